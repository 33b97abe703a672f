#include "masks/fit/PNRCreationFIT.h"

#include "fields/ComboTyping.h"
#include "fields/FieldParts.h"
#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "masks/fit/CreationProfile.h"
#include "masks/fit/DeskSettings.h"
#include "masks/fit/HandOverFile.h"
#include "masks/fit/InstallFolder.h"
#include "platform/com/Bstr.h"
#include "platform/text/TextRules.h"
#include "platform/window/Desktop.h"
#include "resources/dialogs/FfpDialog.h"

namespace ids = resources::pnr_creation_fit;
using namespace platform;
using fit::LookupKind;
using fit::Ptc;

namespace {

constexpr std::size_t kTextBuffer = 1024;
constexpr std::size_t kCommandPartBuffer = 101;  // SF Cust ID, DK Number, CTP: 100 characters

// The PTC list of every row: its texts' keys in item-data order.
constexpr std::array<std::string_view, 4> kPtcKeys{
    "DATA_NETFARESDISPLAY_ADULT", "DATA_NETFARESDISPLAY_CHILD", "DATA_NETFARESDISPLAY_INFANT",
    "DATA_FARERECORD_PTC_OTHERS"};
constexpr int kAgeLength = 2;
constexpr int kOthersLength = 3;
constexpr int kPhoneLength = 40;
constexpr int kAddressLineLength = 63;

// A personnel number: its check box, its edit and their keys.
struct PersonnelEntry {
  int box;
  int edit;
  std::string_view labelKey, labelTipKey, editTipKey;
  int maxLength;
  std::string_view boxKey, editKey;
};
constexpr std::array<PersonnelEntry, 5> kPersonnel{{
    {ids::kDepartmentBox, ids::kDepartment, "LAB_PNR_DEPTNO", "TIP_PNR_DEPTNOLABEL",
     "TIP_PNR_DEPTNOEDIT", 20, "DEPTNO", "DEPTNOE"},
    {ids::kIcNumberBox, ids::kIcNumber, "LAB_PNR_ICNO", "TIP_PNR_ICNOLABEL", "TIP_PNR_ICNOEDIT", 30,
     "ICNO", "ICNOE"},
    {ids::kEmployeeNumberBox, ids::kEmployeeNumber, "LAB_PNR_EMPNO", "TIP_PNR_EMPNOLABEL",
     "TIP_PNR_EMPNOEDIT", 30, "EMPNO", "EMPNOE"},
    {ids::kExitPermitBox, ids::kExitPermit, "LAB_PNR_EXITNO", "TIP_PNR_EXITNOLABEL",
     "TIP_PNR_EXITNOEDIT", 15, "EXITNO", "EXITNOE"},
    {ids::kDependentIcBox, ids::kDependentIc, "LAB_PNR_DEPICNO", "TIP_PNR_DEPICNOLABEL",
     "TIP_PNR_DEPICNOEDIT", 25, "DEPICNO", "DEPICNOE"},
}};

// Labels and check boxes that only take their caption (and tooltip) from the language table.
struct Caption {
  int id;
  std::string_view key, tipKey;
};
constexpr std::array<Caption, 15> kCaptions{{
    {ids::kOthersHeader, "LAB_PNR_OTHERS", "TOOLTIP_PTC_OTHERS"},
    {ids::kPtcHeader, "LAB_PNR_PTC", "TIP_PNR_PTC"},
    {ids::kAgeHeader, "LAB_PNR_AGE", "TIP_PNR_AGE"},
    {ids::kCustomerSourceLabel, "LAB_PNR_CUST_SOURCE", "TOOLTIP_PNR_CUST_SOURCE"},
    {ids::kAddPassenger, "CAPTION_ADD_PASSENGER", ""},
    {ids::kBillToCompany, "LAB_PNR_BILLTOCOMPANY", "TIP_PNR_BILLTOCOMPANY"},
    {ids::kCopyFromCtp, "LAB_COPY_FROM_CTP", "TOOLTIP_COPY_FROM_CTP"},
    {ids::kCopyFromDoss, "LAB_COPY_FROM_DOSS", "TOOLTIP_COPY_FROM_DOSS"},
    {ids::kBillingAddress, "LAB_PNR_BILLINGADDRESS", "TIP_PNR_BILLINGADDRESS"},
    {ids::kDeliveryAddress, "LAB_PNR_DELIVERYADDRESS", "TIP_PNR_DELIVERYADDRESS"},
    {ids::kCustomerFrame, "LAB_PNR_CUSTOMER", ""},
    {ids::kContactFrame, "LAB_PNR_CUST_INFO", ""},
    {ids::kRemarksFrame, "LAB_PNR_REMARK", ""},
    {ids::kPersonnelFrame, "LAB_PNR_PERSONNEL", ""},
    {ids::kPassportFrame, "MENU_ID_CREATEPNR_SSR", ""},
}};

// The row whose control has the id, with the column it is in.
enum class RowColumn { Surname, Ptc, SurnameLookup, GivenNameLookup };
std::optional<std::pair<std::size_t, RowColumn>> rowControl(int id) {
  for (std::size_t row = 0; row < ids::kRows.size(); ++row) {
    const ids::PassengerRowIds& row_ids = ids::kRows[row];
    if (id == row_ids.surname) return std::pair{row, RowColumn::Surname};
    if (id == row_ids.ptc) return std::pair{row, RowColumn::Ptc};
    if (id == row_ids.surnameLookup) return std::pair{row, RowColumn::SurnameLookup};
    if (id == row_ids.givenNameLookup) return std::pair{row, RowColumn::GivenNameLookup};
  }
  return std::nullopt;
}

std::string rowKey(std::size_t row, std::string_view name) {
  return "PROFILE." + std::to_string(row) + "." + std::string(name);
}

}  // namespace

CPNRCreationFIT::CPNRCreationFIT() = default;

// ---------------------------------------------------------------------------------------------
// Opening

void CPNRCreationFIT::BindFields(Window& dialog) {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const ids::PassengerRowIds& row_ids = ids::kRows[row];
    // The column headers label the first row's fields.
    const bool first = row == 0;
    rows_[row].name.Create(dialog, first ? ids::kSurnameHeader : -1, row_ids.surname,
                           first ? ids::kGivenNameHeader : -1, row_ids.givenName, 0,
                           fields::kCreation);
    rows_[row].title.Create(dialog, first ? ids::kTitleHeader : -1, row_ids.title, 0,
                            fields::kCreation);
    rows_[row].ptc = dialog.child(row_ids.ptc);
    rows_[row].others = dialog.child(row_ids.others);
    rows_[row].age = dialog.child(row_ids.age);
  }
  ttl_.Create(dialog, ids::kTtl.label, ids::kTtl.type, ids::kTtl.dateLabel, ids::kTtl.date,
              ids::kTtl.queueLabel, ids::kTtl.queue, ids::kTtl.segmentLabel, ids::kTtl.segment,
              ids::kTtlRowOrigin, ids::kTtl.ticketLabel, fields::kCreation);
  receivedFrom_.Create(dialog, ids::kReceivedFromLabel, ids::kReceivedFrom, 0, fields::kCreation);
  const auto& agency = ids::kAgency;
  agency_.Create(dialog, agency.nameLabel, agency.name, agency.telephoneLabel, agency.telephone,
                 agency.agentLabel, agency.agent, agency.addressLabel, agency.lines[0],
                 agency.lines[1], agency.lines[2], agency.lines[3], agency.lines[4],
                 agency.lines[5], fields::kCreation);
  contactPerson_.Create(dialog, ids::kContactPersonLabel, ids::kContactPerson, 0,
                        fields::kCreation);
  businessPhone_.Create(dialog, ids::kBusinessPhoneLabel, ids::kBusinessPhone, 0, kPhoneLength,
                        "LAB_PNR_BUSTEL", "TIP_PNR_BUSTEL", fields::kCreation);
  mobilePhone_.Create(dialog, ids::kMobilePhoneLabel, ids::kMobilePhone, 0, kPhoneLength,
                      "LAB_PNR_MOBILETEL", "TIP_PNR_MOBILETEL", fields::kCreation);
  homePhone_.Create(dialog, ids::kHomePhoneLabel, ids::kHomePhone, 0, kPhoneLength,
                    "LAB_PNR_HOMENO", "TIP_PNR_HOMENO", fields::kCreation);
  fax_.Create(dialog, ids::kFaxLabel, ids::kFax, 0, fields::kCreation);
  const auto& email = ids::kEmail;
  email_.Create(dialog, email.addressLabel, email.address, email.freeTextLabel, email.freeText,
                email.passengerLabel, email.passenger, 0, fields::kCreation);
  const auto& remarks = ids::kRemarks;
  remarks_.Create(dialog, remarks.typeLabel, remarks.type, remarks.segmentLabel, remarks.segment,
                  remarks.textLabel, remarks.text, 0, nullptr, fields::kCreation);
  const auto& idDoc = ids::kIdDoc;
  idDoc_.Create(dialog, idDoc.typeLabel, idDoc.type, idDoc.numberLabel, idDoc.number,
                idDoc.surnameLabel, idDoc.surname, idDoc.givenLabel, idDoc.given, 0, nullptr,
                fields::kCreation);
  const auto& pp = ids::kPassport;
  passport_.Create(dialog, pp.typeLabel, pp.type, pp.passportLabel, pp.passport,
                   pp.nationalityLabel, pp.nationality, pp.surnameLabel, pp.surname, pp.givenLabel,
                   pp.given, pp.segmentLabel, pp.segment, pp.primaryHolder, pp.nameSelectLabel,
                   pp.nameSelect, pp.birthLabel, pp.birth, pp.genderLabel, pp.gender, 0,
                   fields::kCreation);
  autoCreate_.Create(dialog, ids::kAutoCreate, 0);
  sfCustId_.Create(dialog, ids::kSfCustIdLabel, ids::kSfCustId, 0, 10, "LAB_PNR_SF_CUSTID",
                   "TOOLTIP_SF_CUSTID", fields::kCreation);
  dkNumber_.Create(dialog, ids::kDkNumberLabel, ids::kDkNumber, 0, 10, "LAB_PNR_DK_NUMBER",
                   "TOOLTIP_PNR_DKNBR", fields::kCreation);
  ctp_.Create(dialog, -1, ids::kCtp, 0, 38, "", "TOOLTIP_EDIT_CTP", fields::kCreation);
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    const PersonnelEntry& entry = kPersonnel[index];
    personnel_[index].Create(dialog, -1, entry.edit, 0, entry.maxLength, "", entry.editTipKey,
                             fields::kCreation);
  }
  for (std::size_t line = 0; line < billingLines_.size(); ++line) {
    billingLines_[line].Create(dialog, -1, ids::kBillingLines[line], 0, kAddressLineLength, "", "",
                               fields::kCreation);
    deliveryLines_[line].Create(dialog, -1, ids::kDeliveryLines[line], 0, kAddressLineLength, "",
                                "", fields::kCreation);
  }
}

void CPNRCreationFIT::AfterInitDialog() {
  backOffice_ = fit::readBackOfficeSwitches().backOffice;
  FillCustomerSource();
  ReadCustomerSource();
  LabelControls();
  PrepareRows();
  ApplyAddressRule(ids::kBillingAddress, ids::kBillingLines);
  ApplyAddressRule(ids::kDeliveryAddress, ids::kDeliveryLines);
  ApplyPersonnelRules();
  autoCreate_.SetCheck(backOffice_ ? 1 : 0);
  autoCreate_.Enable(backOffice_ ? 1 : 0);
  ApplyBillingRules();
  ImportHandOverFile();
  fireEvent(typelib::Event::Ready);
  SetChecked(ids::kCopyFromDoss, agentInfo_.getDataSrcLocation() == 2);
  ApplyAgencyRule();
  RequestAgentProfile();
  ApplyCtpRule(false);
}

// DOSS always; the back office's own source only with the back-office switch.
void CPNRCreationFIT::FillCustomerSource() {
  Window& list = *dialog()->child(ids::kCustomerSource);
  list.clearEntries();
  const auto add = [&](std::string_view key, int data) {
    std::string text;
    if (!mask().GetLangText(key, text)) {
      mask().log().error(kTraits.name, "OnInitDialog", 501, "Not able to load resource string %s",
                         std::string(key).c_str());
    }
    list.addEntry(text, data);
  };
  add("DATA_PNR_CUST_SOURCE_DOSS", fit::kSourceDoss);
  if (backOffice_) add("DATA_PNR_CUST_SOURCE_LEDGER_WISE", fit::kSourceLedgerwise);
}

// The stored source chooses the entry and, when there is one, every row starts as a profile
// traveller.
void CPNRCreationFIT::ReadCustomerSource() {
  const std::string stored = fit::customerProfileSource();
  Window& list = *dialog()->child(ids::kCustomerSource);
  if (const std::optional<int> selection = fit::sourceSelection(stored)) {
    for (int index = 0; index < list.entryCount(); ++index) {
      if (list.entry(index)->data == *selection) list.setCurrentEntry(index);
    }
  }
  if (!stored.empty()) {
    for (Row& row : rows_) row.profileMarker = true;
  }
}

void CPNRCreationFIT::LabelControls() {
  Window& dialog = *this->dialog();
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    mask().SetCaption(dialog, ids::kFirstRowNumber + static_cast<int>(row),
                      "_DAT_" + std::to_string(row + 1));
  }
  for (const Caption& caption : kCaptions) {
    mask().SetCaption(dialog, caption.id, caption.key);
    if (caption.tipKey.empty()) continue;
    if (const auto tip = fields::languageText(caption.tipKey)) {
      if (Window* control = dialog.child(caption.id)) control->setToolTip(*tip);
    }
  }
  for (const PersonnelEntry& entry : kPersonnel) {
    mask().SetCaption(dialog, entry.box, entry.labelKey);
    if (const auto tip = fields::languageText(entry.labelTipKey)) {
      dialog.child(entry.box)->setToolTip(*tip);
    }
  }
}

void CPNRCreationFIT::PrepareRows() {
  std::array<std::string, kPtcKeys.size()> texts;
  for (std::size_t index = 0; index < kPtcKeys.size(); ++index) {
    if (!mask().GetLangText(kPtcKeys[index], texts[index])) {
      mask().log().error(kTraits.name, "OnInitDialog", 501, "Not able to load resource string %s",
                         std::string(kPtcKeys[index]).c_str());
    }
  }
  const std::optional<std::string> ageTip = fields::languageText("TIP_PNR_AGE");
  const std::optional<std::string> othersTip = fields::languageText("TOOLTIP_PTC_OTHERS");
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    Row& each = rows_[row];
    each.ptc->clearEntries();
    for (std::size_t index = 0; index < texts.size(); ++index) {
      each.ptc->addEntry(texts[index], static_cast<std::intptr_t>(index));
    }
    each.ptc->setCurrentEntry(0);
    each.age->setTextLimit(kAgeLength);
    each.others->setTextLimit(kOthersLength);
    if (ageTip) each.age->setToolTip(*ageTip);
    if (othersTip) each.others->setToolTip(*othersTip);
    ApplyRowRules(row);
  }
  dialog()->child(ids::kRows[0].givenNameLookup)->show(SW_HIDE);
}

void CPNRCreationFIT::ImportHandOverFile() {
  const std::optional<std::string> folder = fit::installFolder();
  if (!folder) return;
  const std::optional<fit::HandOver> handOver = fit::takeHandOverFile(*folder);
  if (!handOver) return;
  ImportProfile(handOver->text, handOver->kind, handOver->row);
  if (handOver->clearRenderTree) fit::writeUserValue("CP_RenderTree", "");
  exchange_.onHandOverImported(handOver->text.front());
}

void CPNRCreationFIT::RequestAgentProfile() {
  if (fit::requestAgentProfile(agentInfo_, dialog())) {
    PresetAgencyFromProfile();
  } else {
    exchange_.setAgentProfilePending();
  }
}

void CPNRCreationFIT::PresetAgencyFromProfile() {
  fit::presetAgency(agentInfo_, agency_);
}

// ---------------------------------------------------------------------------------------------
// Rules

void CPNRCreationFIT::ApplyRowRules(std::size_t row) {
  Row& each = rows_[row];
  const fit::RowEnabling enabling = fit::rowEnabling(RowPtc(row));
  if (!enabling.age) each.age->setText("");
  each.age->enable(enabling.age);
  if (!enabling.others) each.others->setText("");
  each.others->enable(enabling.others);
}

void CPNRCreationFIT::ApplyBillingRules() {
  EnableControl(ids::kBillToCompany, backOffice_);
  if (!backOffice_) {
    sfCustId_.Clear();
    dkNumber_.Clear();
    SetChecked(ids::kBillToCompany, false);
  }
  const bool billed = IsChecked(ids::kBillToCompany);
  EnableControl(ids::kSfCustIdLabel, backOffice_ && !billed);
  EnableControl(ids::kSfCustId, backOffice_ && !billed);
  EnableControl(ids::kDkNumberLabel, backOffice_ && billed);
  EnableControl(ids::kDkNumber, backOffice_ && billed);
  if (billed) sfCustId_.SetText(profileStrings_.corporateId);
}

void CPNRCreationFIT::ApplyAddressRule(int checkBoxId, const std::array<int, 5>& lineIds) {
  const bool checked = IsChecked(checkBoxId);
  for (int id : lineIds) EnableControl(id, checked);
}

void CPNRCreationFIT::ApplyPersonnelRules() {
  for (const PersonnelEntry& entry : kPersonnel) EnableControl(entry.edit, IsChecked(entry.box));
}

void CPNRCreationFIT::ApplyAgencyRule() {
  const bool enabled = !IsChecked(ids::kCopyFromDoss);
  for (int id : ids::kAgencyControls) EnableControl(id, enabled);
}

void CPNRCreationFIT::ApplyCtpRule(bool fill) {
  const bool checked = IsChecked(ids::kCopyFromCtp);
  EnableControl(ids::kCtp, checked);
  EnableControl(ids::kCtpButton, checked);
  if (!checked) {
    ctp_.Clear();
  } else if (fill) {
    FillCtpFromPolicy();
  }
}

void CPNRCreationFIT::FillCtpFromPolicy() {
  dialogs_.Find(fit::HostedDialog::TravelPolicy)->Prepare(*dialog());
  const auto answer = platform::modalDialog("policy", dialog());
  if (!answer || answer->empty()) return;
  ctp_.SetText(fit::ctpText((*answer)[0], answer->size() > 1 ? (*answer)[1] : ""));
}

// ---------------------------------------------------------------------------------------------
// Messages and handlers

bool CPNRCreationFIT::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (const std::optional<fit::ExchangeMessage> exchange = fit::exchangeMessageOf(message.code)) {
    fit::answerExchangeMessage(*exchange, exchange_, dialogs_, agentInfo_, *this);
    result = 0;
    return true;
  }
  return StandardMask::ProcessWindowMessage(message, result);
}

bool CPNRCreationFIT::ProcessFieldMessages(const Message& message, LRESULT& result) {
  if (message.code == WM_COMMAND && OnCommand(lowWord(message.wParam), highWord(message.wParam))) {
    return true;
  }
  return fields::HandleComboTyping(message) || ttl_.ProcessWindowMessage(message, result) ||
         remarks_.ProcessWindowMessage(message, result) ||
         idDoc_.ProcessWindowMessage(message, result) ||
         passport_.ProcessWindowMessage(message, result);
}

bool CPNRCreationFIT::OnCommand(int id, int code) {
  if (const auto found = rowControl(id)) {
    const auto [row, column] = *found;
    switch (column) {
      case RowColumn::Surname:
        if (code != EN_SETFOCUS || row == 0) return false;
        CopySurnameFromRowAbove(row);
        return false;  // the edit's own focus handling goes on
      case RowColumn::Ptc:
        if (code != CBN_SELCHANGE) return false;
        ApplyRowRules(row);
        return true;
      case RowColumn::SurnameLookup:
        if (code != BN_CLICKED) return false;
        StartLookup(LookupKind::Surname, static_cast<int>(row));
        return true;
      case RowColumn::GivenNameLookup:
        if (code != BN_CLICKED) return false;
        StartLookup(LookupKind::GivenName, static_cast<int>(row));
        return true;
    }
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case ids::kCorporateLookup:
      StartLookup(LookupKind::Corporate, 0);
      return true;
    case ids::kAddPassenger:
      AddPassengers();
      return true;
    case ids::kBillingAddress:
      ApplyAddressRule(ids::kBillingAddress, ids::kBillingLines);
      return true;
    case ids::kDeliveryAddress:
      ApplyAddressRule(ids::kDeliveryAddress, ids::kDeliveryLines);
      return true;
    case ids::kCopyFromCtp:
      ApplyCtpRule(true);
      return true;
    case ids::kCtpButton:
      FillCtpFromPolicy();
      return true;
    case ids::kCopyFromDoss:
      ApplyAgencyRule();
      return true;
    default:
      break;
  }
  for (const PersonnelEntry& entry : kPersonnel) {
    if (id != entry.box) continue;
    EnableControl(entry.edit, IsChecked(entry.box));
    return true;
  }
  return false;
}

void CPNRCreationFIT::CopySurnameFromRowAbove(std::size_t row) {
  if (!rows_[row].name.GetSurname().empty()) return;
  rows_[row].name.SetSurname(rows_[row - 1].name.GetSurname());
  rows_[row].name.SelectSurname();
}

int CPNRCreationFIT::CustomerSource() const {
  const Window& list = *dialog()->child(ids::kCustomerSource);
  const ListEntry* entry = list.entry(list.currentEntry());
  return entry != nullptr ? static_cast<int>(entry->data) : fit::kSourceDoss;
}

// The back office answers through receivedFrom; DOSS through its traveller-profile dialog.
void CPNRCreationFIT::StartLookup(LookupKind kind, int row) {
  if (CustomerSource() == fit::kSourceLedgerwise) {
    rows_[static_cast<std::size_t>(row)].profileMarker = true;
    pendingKind_ = kind;
    pendingRow_ = row;
    const std::string digit = std::to_string(static_cast<int>(kind) + 1);
    fit::writeUserValue("CP_Msg", digit);
    fit::writeUserValue("CP_RenderTree", exchange_.renderTree());
    fireEvent(typelib::Event::SendTo, {"FIT", "CP", digit});
    return;
  }
  rows_[static_cast<std::size_t>(row)].profileMarker = false;
  if (kind == LookupKind::Surname) ChooseTravellerProfile(row);
}

void CPNRCreationFIT::ChooseTravellerProfile(int row) {
  dialogs_.Find(fit::HostedDialog::TravellerProfile)->Prepare(*dialog());
  const auto answer = platform::modalDialog("doss", dialog());
  if (!answer || answer->size() < 2) return;
  fields::CFieldName& name = rows_[static_cast<std::size_t>(row)].name;
  name.SetSurname((*answer)[0]);
  name.SetGivenName((*answer)[1]);
}

// The Add Passenger dialog hands back its markers and its list text; a profile exchange made
// in it may have asked for the home and business phones.
void CPNRCreationFIT::AddPassengers() {
  std::optional<fit::SavedAddPassengerList> list = fit::runAddPassengerDialog(
      *dialog(), CustomerSource(), addedPassengers_ ? &*addedPassengers_ : nullptr,
      dialogs_.AddPassenger(), exchange_, homePhone_, businessPhone_);
  if (list) addedPassengers_ = std::move(*list);
}

HRESULT CPNRCreationFIT::receivedFrom(BSTR, BSTR, BSTR text) {
  if (dialog() == nullptr) return S_OK;
  const std::string record = latin1FromBstr(text);
  if (exchange_.routeReceivedFrom()) {
    dialogs_.AddPassenger().TakeProfileAnswer(record);
  } else {
    ImportProfile(record, pendingKind_, pendingRow_);
  }
  fit::writeUserValue("CP_RenderTree", "");
  return S_OK;
}

void CPNRCreationFIT::ImportProfile(std::string_view text, LookupKind kind, int row) {
  const fit::MarketSettings market = fit::readMarketSettings(fit::installFolder());
  ApplyImport(fit::importProfile(text, kind, row, market.autoCreateSalesFolder));
}

void CPNRCreationFIT::ApplyImport(const fit::ProfileImport& imported) {
  if (imported.row < 0 || imported.row >= fit::kPassengerRows) return;
  const auto row = static_cast<std::size_t>(imported.row);
  Row& target = rows_[row];
  if (imported.rowFill) {
    target.name.SetSurname(imported.rowFill->surname);
    target.name.SetGivenName(imported.rowFill->givenName);
    target.title.SetText(imported.rowFill->title);
    SetRowPtc(row, imported.rowFill->ptc);
  }
  if (imported.firstRow) ApplyFirstRow(*imported.firstRow);
  if (imported.dependantNumber) target.dependantNumber = *imported.dependantNumber;
  if (imported.sfCustId) sfCustId_.SetText(*imported.sfCustId);
  if (imported.record) target.profile = *imported.record;
  pendingKind_ = LookupKind::Surname;
  pendingRow_ = -1;
  fit::writeUserValue("FIT_Msg", "");
}

void CPNRCreationFIT::ApplyFirstRow(const fit::FirstRowFill& fill) {
  profileStrings_.surname = fill.profileSurname;
  profileStrings_.givenName = fill.profileGivenName;
  profileStrings_.travellerName = fill.profileTravellerName;
  profileStrings_.companyName = fill.companyName;
  profileStrings_.corporateId = fill.corporateId;
  profileStrings_.home = {fill.homePhoneFlag, fill.homePhoneValue};
  profileStrings_.mobile = {fill.mobilePhoneFlag, fill.mobilePhoneValue};
  profileStrings_.business = {fill.businessPhoneFlag, fill.businessPhoneValue};
  profileStrings_.fax = {fill.faxPhoneFlag, fill.faxPhoneValue};
  if (fill.billToCompany != fit::BillToCompany::Leave) {
    const bool billed = fill.billToCompany == fit::BillToCompany::Check;
    EnableControl(ids::kBillToCompany, billed);
    SetChecked(ids::kBillToCompany, billed);
    sfCustId_.SetText(fill.sfCustId);
  }
  ApplyBillingRules();
  contactPerson_.SetText(fill.contactPerson);
  businessPhone_.SetText(fill.businessPhone);
  homePhone_.SetText(fill.homePhone);
  mobilePhone_.SetText(fill.mobilePhone);
  fax_.SetText(fill.fax);
  email_.SetEmail(fill.email);
  const std::array<const std::string*, 5> numbers{
      &fill.department, &fill.icNumber, &fill.employeeNumber, &fill.exitPermitNumber, nullptr};
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    personnel_[index].SetText(numbers[index] != nullptr ? *numbers[index] : "");
    SetChecked(kPersonnel[index].box, false);
  }
  ApplyPersonnelRules();
  autoCreate_.SetCheck(fill.autoCreate ? 1 : 0);
  SetChecked(ids::kBillingAddress, false);
  SetChecked(ids::kDeliveryAddress, false);
  for (std::size_t line = 0; line < billingLines_.size(); ++line) {
    billingLines_[line].SetText(fill.billingLines[line]);
    deliveryLines_[line].SetText(fill.deliveryLines[line]);
  }
  ApplyAddressRule(ids::kBillingAddress, ids::kBillingLines);
  ApplyAddressRule(ids::kDeliveryAddress, ids::kDeliveryLines);
}

void CPNRCreationFIT::SetRowPtc(std::size_t row, const fit::PtcChoice& choice) {
  Row& target = rows_[row];
  target.ptc->setCurrentEntry(static_cast<int>(choice.ptc));
  ApplyRowRules(row);
  if (target.age->isEnabled()) target.age->setText(choice.age);
  if (target.others->isEnabled()) target.others->setText(choice.others);
}

// ---------------------------------------------------------------------------------------------
// Validation

Ptc CPNRCreationFIT::RowPtc(std::size_t row) const {
  const ListEntry* entry = rows_[row].ptc->entry(rows_[row].ptc->currentEntry());
  if (entry == nullptr || entry->data < 0 || entry->data > 3) return Ptc::Adult;
  return static_cast<Ptc>(entry->data);
}

fit::PassengerRow CPNRCreationFIT::RowTexts(std::size_t row) const {
  const Row& each = rows_[row];
  return {
      each.name.GetSurname(), each.name.GetGivenName(), Text(ids::kRows[row].title), RowPtc(row),
      each.age->text(),       each.others->text()};
}

bool CPNRCreationFIT::ReportFault(const fit::FitFault& fault) {
  mask().ReportFault(*dialog(), fault.controlId, kTraits.caption, fault.errorKey);
  if (fault.character) {
    const int start = static_cast<int>(*fault.character);
    dialog()->child(fault.controlId)->setSelection(start, start + 1);
  }
  return false;
}

bool CPNRCreationFIT::ReportRowFault(std::size_t row, const fit::RowFault& fault) {
  const ids::PassengerRowIds& row_ids = ids::kRows[row];
  int control = row_ids.surname;
  switch (fault.control) {
    case fit::RowControl::Surname:
      control = row_ids.surname;
      break;
    case fit::RowControl::GivenName:
      control = row_ids.givenName;
      break;
    case fit::RowControl::Others:
      control = row_ids.others;
      break;
    case fit::RowControl::Age:
      control = row_ids.age;
      break;
  }
  return ReportFault({fault.errorKey, control, std::nullopt});
}

bool CPNRCreationFIT::ValidateFields() {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const fit::PassengerRow texts = RowTexts(row);
    if (const auto fault = fit::checkRowNames(texts)) return ReportRowFault(row, *fault);
    if (rows_[row].name.Validate() == 0 || rows_[row].title.Validate() == 0) return false;
    if (const auto fault = fit::checkRowPtc(texts)) return ReportRowFault(row, *fault);
  }
  if (!IsChecked(ids::kCopyFromDoss) && agency_.Validate() == 0) return false;
  const fit::PhoneTexts phones{Text(ids::kContactPerson), Text(ids::kBusinessPhone),
                               Text(ids::kMobilePhone), Text(ids::kHomePhone)};
  if (const auto fault = fit::checkPhones(phones)) return ReportFault(*fault);
  if (fax_.Validate() == 0) return false;
  if (const auto fault = fit::checkFaxCharacters(Text(ids::kFax))) return ReportFault(*fault);
  const fit::BillingTexts billing{Text(ids::kSfCustId), Text(ids::kDkNumber),
                                  dialog()->child(ids::kBillToCompany)->isEnabled(),
                                  IsChecked(ids::kBillToCompany)};
  if (const auto fault = fit::checkBilling(billing)) return ReportFault(*fault);
  if (ttl_.Validate() == 0 || receivedFrom_.Validate() == 0) return false;
  if (const auto fault = fit::checkReceivedFromCharacters(Text(ids::kReceivedFrom))) {
    return ReportFault(*fault);
  }
  const auto checkAddress = [&](int box, const std::array<int, 5>& lineIds) {
    if (!IsChecked(box)) return true;
    std::array<std::string, 5> lines;
    for (std::size_t line = 0; line < lines.size(); ++line) lines[line] = Text(lineIds[line]);
    const auto fault = fit::checkAddress(lines, lineIds);
    return !fault || ReportFault(*fault);
  };
  if (!checkAddress(ids::kBillingAddress, ids::kBillingLines) ||
      !checkAddress(ids::kDeliveryAddress, ids::kDeliveryLines)) {
    return false;
  }
  const auto number = [&](std::size_t index) {
    return fit::PersonnelTexts::Number{IsChecked(kPersonnel[index].box),
                                       Text(kPersonnel[index].edit)};
  };
  const fit::PersonnelTexts personnel{number(0), number(1), number(2), number(3), number(4)};
  if (const auto fault = fit::checkPersonnel(personnel)) return ReportFault(*fault);
  if (email_.Validate() == 0 || remarks_.Validate() == 0 || idDoc_.Validate() == 0 ||
      passport_.Validate() == 0 || autoCreate_.Validate() == 0) {
    return false;
  }
  if (const auto fault = fit::checkCtp(Text(ids::kCtp))) return ReportFault(*fault);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Send in two halves

void CPNRCreationFIT::OnSend() {
  if (!ValidateFields()) return;
  SaveState();
  codeLists_ = fit::readCodeLists();
  exchange_.setSendPending();
  fireEvent(typelib::Event::SendCommand, {std::string(framework::kAgentInfoCommand)});
}

// Hosted dialogs first, then the agent information (not for the container's notice alone),
// then the pending send.
HRESULT CPNRCreationFIT::SetResponse(BSTR response) {
  if (dialog() == nullptr) return S_OK;
  const std::string reply = latin1FromBstr(response);
  const fit::ReplyRoute route = exchange_.routeReply(reply);
  fit::handReplyToDialog(route, dialogs_, reply);
  if (route.agentInformation) {
    bool complete = false;
    agentInfo_.setXMLResponseFromHostEx(fit::agentInformationText(reply), &complete);
    if (complete) {
      exchange_.agentProfileComplete();
      PresetAgencyFromProfile();
    }
  }
  if (route.booking) fireEvent(typelib::Event::Send, {BuildCreationCommand(reply)});
  return S_OK;
}

std::string CPNRCreationFIT::BuildCreationCommand(std::string_view reply) {
  return fit::buildFitCommand(GatherCommandInput(fit::readBookingData(reply)));
}

fit::FitCommandInput CPNRCreationFIT::GatherCommandInput(const fit::BookingData& booking) {
  fit::FitCommandInput input;
  std::vector<fit::DocumentTraveller> travellers;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const Row& each = rows_[row];
    const fit::MainRecord& profile = each.profile;
    fit::PassengerSlot slot;
    slot.surname = each.name.GetSurname();
    slot.givenName = each.name.GetGivenName();
    slot.title = Text(ids::kRows[row].title);
    slot.ptc = RowPtc(row);
    slot.age = each.age->text();
    slot.others = each.others->text();
    slot.profileMarker = each.profileMarker;
    slot.customerNumber = profile[fit::ProfileField::CustomerNumber];
    slot.dependantNumber = each.dependantNumber;
    slot.contactPhone = profile[fit::ProfileField::ContactPhone];
    slot.contactFax = profile[fit::ProfileField::ContactFax];
    slot.contactSurname = profile[fit::ProfileField::ContactSurname];
    slot.contactGivenName = profile[fit::ProfileField::ContactGivenName];
    slot.companyName = profile[fit::ProfileField::CompanyName];
    input.slots.push_back(std::move(slot));
  }
  if (addedPassengers_) {
    const std::vector<fit::PassengerSlot> added = fit::slotsOf(addedPassengers_->entries);
    input.slots.insert(input.slots.end(), added.begin(), added.end());
  }

  const fit::BackOfficeSwitches switches = fit::readBackOfficeSwitches();
  const fit::MarketSettings market = fit::readMarketSettings(fit::installFolder());

  input.copyFromDoss = IsChecked(ids::kCopyFromDoss);
  agency_.BuildFragment(input.agencyPhoneLine, input.agencyAddressLine);
  input.ticketingTimeLimit = ttl_.BuildFragment(false);
  input.receivedFrom = receivedFrom_.BuildFragment(false);
  input.businessPhone = Text(ids::kBusinessPhone);
  input.contactPerson = Text(ids::kContactPerson);
  input.mobilePhone = Text(ids::kMobilePhone);
  input.homePhone = Text(ids::kHomePhone);
  input.faxFragment = fax_.BuildFragment();
  input.faxNumber = Text(ids::kFax);
  input.sendPhoneEntry =
      fit::sendsPhoneEntry(market, rows_[0].profile[fit::ProfileField::CustomerNumber],
                           booking.segments.empty(), switches.passport);
  input.companyName = profileStrings_.companyName;
  input.profileTravellerName = profileStrings_.travellerName;
  input.profileSurname = profileStrings_.surname;
  input.profileGivenName = profileStrings_.givenName;
  input.businessProfilePhone = profileStrings_.business;
  input.mobileProfilePhone = profileStrings_.mobile;
  input.homeProfilePhone = profileStrings_.home;
  input.faxProfilePhone = profileStrings_.fax;
  input.emailFragment = email_.BuildFragment();
  input.remarksFragment = remarks_.BuildFragment();
  input.identityDocumentFragment = idDoc_.BuildFragment();
  input.passportFragment = passport_.BuildFragment();
  std::array<fit::PersonnelNumber*, 5> numbers{&input.department, &input.icNumber,
                                               &input.employeeNumber, &input.exitPermit,
                                               &input.dependentIc};
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    *numbers[index] = {IsChecked(kPersonnel[index].box), Text(kPersonnel[index].edit)};
  }
  input.backOffice = backOffice_;
  input.autoCreateFragment = autoCreate_.BuildFragment();
  input.sfCustId = framework::itemText(*dialog(), ids::kSfCustId, kCommandPartBuffer);
  input.dkNumber = framework::itemText(*dialog(), ids::kDkNumber, kCommandPartBuffer);
  input.billWithIndicator = market.billWithIndicator;
  input.billToCompanyEnabled = dialog()->child(ids::kBillToCompany)->isEnabled();
  input.billToCompanyChecked = IsChecked(ids::kBillToCompany);
  input.ctp = framework::itemText(*dialog(), ids::kCtp, kCommandPartBuffer);
  input.delivery.checked = IsChecked(ids::kDeliveryAddress);
  input.billing.checked = IsChecked(ids::kBillingAddress);
  for (std::size_t line = 0; line < 5; ++line) {
    input.delivery.lines[line] = Text(ids::kDeliveryLines[line]);
    input.billing.lines[line] = Text(ids::kBillingLines[line]);
  }
  input.backOfficeContacts = switches.contacts;
  input.backOfficeFrequentFlyer = switches.frequentFlyer;
  input.backOfficePassport = switches.passport;

  if (!switches.frequentFlyer && !switches.passport) return input;
  // The travellers with a profile record, by their passenger name numbers.
  const fit::PassengerStrings strings = fit::buildPassengerStrings(input.slots, std::nullopt);
  for (std::size_t slot = 0; slot < input.slots.size(); ++slot) {
    const int nameNumber = slot < strings.nameNumbers.size() ? strings.nameNumbers[slot] : 0;
    if (nameNumber == 0) continue;
    const fit::MainRecord& profile = slot < rows_.size()
                                         ? rows_[slot].profile
                                         : addedPassengers_->entries[slot - rows_.size()].profile;
    if (profile.fieldCount == 0) continue;
    travellers.push_back({nameNumber, profile});
  }
  if (switches.frequentFlyer) {
    input.frequentFlyerItems =
        fit::frequentFlyerItems(travellers, booking.bookedAirlines, codeLists_.airlineAlliances,
                                [this](const fit::DocumentTraveller& traveller,
                                       const std::vector<fit::EligibleCard>& cards) {
                                  return ChooseCard(traveller, cards);
                                });
  }
  if (switches.passport) {
    input.travelDocumentItems = fit::travelDocumentItems(
        travellers, booking, codeLists_.passportAirlines,
        {strings.firstProfileCustomerNumber, input.homePhone, input.mobilePhone});
  }
  return input;
}

// The frequent-flyer dialog: the traveller's name in its first line, the cards in its list.
std::optional<std::size_t> CPNRCreationFIT::ChooseCard(
    const fit::DocumentTraveller& traveller, const std::vector<fit::EligibleCard>& cards) {
  namespace ffp = resources::ffp_dialog;
  const std::unique_ptr<Window> choice = buildDialog(ffp::kDialog, nullptr);
  std::string text;
  if (mask().GetLangText("LAB_FFP_DIALOG_TITLE", text)) choice->setText(text);
  mask().GetLangText("LAB_FFP_MSG1", text);
  choice->child(ffp::kFirstLine)
      ->setText(text + " \"" + traveller.profile[fit::ProfileField::PassengerName] + "\"");
  mask().GetLangText("LAB_FFP_MSG2", text);
  choice->child(ffp::kSecondLine)->setText(text);
  Window& list = *choice->child(ffp::kCards);
  for (std::size_t index = 0; index < cards.size(); ++index) {
    list.addEntry(cards[index].card.airline + " " + cards[index].card.number,
                  static_cast<std::intptr_t>(index));
  }
  list.setCurrentEntry(0);
  const auto answer = platform::modalDialog("ffp", choice.get());
  if (!answer || answer->empty()) return std::nullopt;
  const std::string& word = (*answer)[0];
  std::size_t index = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    index = index * 10 + static_cast<std::size_t>(c - '0');
    if (index >= cards.size()) return std::nullopt;
  }
  return word.empty() ? std::nullopt : std::optional<std::size_t>(index);
}

// ---------------------------------------------------------------------------------------------
// Whiteboard and Clear

void CPNRCreationFIT::SaveFields(CTorvanProfile& profile) {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const Row& each = rows_[row];
    each.name.Save(profile, rowKey(row, "SURNAME"), rowKey(row, "GIVENNAME"));
    each.title.Save(profile, rowKey(row, "TITLE"));
    fit::saveProfileValue(profile, rowKey(row, "PTC"),
                          std::to_string(static_cast<int>(RowPtc(row))));
    fit::saveProfileValue(profile, rowKey(row, "AGE"), each.age->text());
    fit::saveProfileValue(profile, rowKey(row, "PTC_OTHERS"), each.others->text());
  }
  fit::saveProfileValue(profile, "BILLTOCOMPANY", IsChecked(ids::kBillToCompany) ? "1" : "0");
  sfCustId_.Save(profile, "OTHERS");
  ttl_.Save(profile);
  receivedFrom_.Save(profile, "RECEIVEDFROM");
  agency_.Save(profile);
  fax_.Save(profile, "FAXNO");
  businessPhone_.Save(profile, "BUSTEL");
  mobilePhone_.Save(profile, "MOBILETEL");
  homePhone_.Save(profile, "HOMENO");
  const ProfileStrings& strings = profileStrings_;
  fit::saveProfileValue(profile, "str_CompanyName_Value", strings.companyName);
  fit::saveProfileValue(profile, "str_PHONE_VALUE_HOME", strings.home.value);
  fit::saveProfileValue(profile, "str_PHONE_VALUE_FAX", strings.fax.value);
  fit::saveProfileValue(profile, "str_PHONE_VALUE_MOBILE", strings.mobile.value);
  fit::saveProfileValue(profile, "str_PHONE_VALUE_BIZ", strings.business.value);
  fit::saveProfileValue(profile, "str_PHONE_FLAG_MOBILE", strings.mobile.flag);
  fit::saveProfileValue(profile, "str_PHONE_FLAG_BIZ", strings.business.flag);
  fit::saveProfileValue(profile, "str_PHONE_FLAG_HOME", strings.home.flag);
  fit::saveProfileValue(profile, "str_PHONE_FLAG_FAX", strings.fax.flag);
  email_.Save(profile);
  contactPerson_.Save(profile, "PERSON");
  const auto saveAddress = [&](std::string_view key, int box,
                               std::array<fields::CField, 5>& lines) {
    fit::saveProfileValue(profile, key, IsChecked(box) ? "1" : "0");
    for (std::size_t line = 0; line < lines.size(); ++line) {
      lines[line].Save(profile, std::string(key) + std::to_string(line + 1));
    }
  };
  saveAddress("BILLINGADDRESS", ids::kBillingAddress, billingLines_);
  saveAddress("DELIVERYADDRESS", ids::kDeliveryAddress, deliveryLines_);
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    fit::saveProfileValue(profile, kPersonnel[index].boxKey,
                          IsChecked(kPersonnel[index].box) ? "1" : "0");
    personnel_[index].Save(profile, kPersonnel[index].editKey);
  }
  autoCreate_.Save(profile, "AUTOCREATE");
  remarks_.Save(profile);
  idDoc_.Save(profile);
  passport_.Save(profile);
  fit::saveProfileValue(profile, "COPY_FROM_DOSS", IsChecked(ids::kCopyFromDoss) ? "1" : "0");
  fit::saveProfileValue(profile, "COPY_FROM_CTP", IsChecked(ids::kCopyFromCtp) ? "1" : "0");
  ctp_.Save(profile, "CTP");
  fit::saveAddPassengerList(profile, addedPassengers_ ? &*addedPassengers_ : nullptr);
  dkNumber_.Save(profile, "DKNUMBER");
}

void CPNRCreationFIT::LoadFields(CTorvanProfile& profile) {
  const auto loadCheck = [&](std::string_view key, int box) {
    SetChecked(box, fit::loadProfileValue(profile, key) == "1");
  };
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    Row& each = rows_[row];
    each.name.Load(profile, rowKey(row, "SURNAME"), rowKey(row, "GIVENNAME"));
    each.title.Load(profile, rowKey(row, "TITLE"));
    mask().RestoreComboSelection(*each.ptc, rowKey(row, "PTC"), profile);
    ApplyRowRules(row);
    const std::string age = fit::loadProfileValue(profile, rowKey(row, "AGE"));
    const std::string others = fit::loadProfileValue(profile, rowKey(row, "PTC_OTHERS"));
    if (each.age->isEnabled()) each.age->setText(age);
    if (each.others->isEnabled()) each.others->setText(others);
  }
  loadCheck("BILLTOCOMPANY", ids::kBillToCompany);
  sfCustId_.Load(profile, "OTHERS");
  ttl_.Load(profile);
  receivedFrom_.Load(profile, "RECEIVEDFROM");
  agency_.Load(profile);
  fax_.Load(profile, "FAXNO");
  businessPhone_.Load(profile, "BUSTEL");
  mobilePhone_.Load(profile, "MOBILETEL");
  homePhone_.Load(profile, "HOMENO");
  ProfileStrings& strings = profileStrings_;
  strings.companyName = fit::loadProfileValue(profile, "str_CompanyName_Value");
  strings.home.value = fit::loadProfileValue(profile, "str_PHONE_VALUE_HOME");
  strings.fax.value = fit::loadProfileValue(profile, "str_PHONE_VALUE_FAX");
  strings.mobile.value = fit::loadProfileValue(profile, "str_PHONE_VALUE_MOBILE");
  strings.business.value = fit::loadProfileValue(profile, "str_PHONE_VALUE_BIZ");
  strings.mobile.flag = fit::loadProfileValue(profile, "str_PHONE_FLAG_MOBILE");
  strings.business.flag = fit::loadProfileValue(profile, "str_PHONE_FLAG_BIZ");
  strings.home.flag = fit::loadProfileValue(profile, "str_PHONE_FLAG_HOME");
  strings.fax.flag = fit::loadProfileValue(profile, "str_PHONE_FLAG_FAX");
  email_.Load(profile);
  contactPerson_.Load(profile, "PERSON");
  const auto loadAddress = [&](std::string_view key, int box, std::array<fields::CField, 5>& lines,
                               const std::array<int, 5>& lineIds) {
    loadCheck(key, box);
    for (std::size_t line = 0; line < lines.size(); ++line) {
      lines[line].Load(profile, std::string(key) + std::to_string(line + 1));
    }
    ApplyAddressRule(box, lineIds);
  };
  loadAddress("BILLINGADDRESS", ids::kBillingAddress, billingLines_, ids::kBillingLines);
  loadAddress("DELIVERYADDRESS", ids::kDeliveryAddress, deliveryLines_, ids::kDeliveryLines);
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    loadCheck(kPersonnel[index].boxKey, kPersonnel[index].box);
    personnel_[index].Load(profile, kPersonnel[index].editKey);
  }
  ApplyPersonnelRules();
  autoCreate_.Load(profile, "AUTOCREATE");
  remarks_.Load(profile);
  idDoc_.Load(profile);
  passport_.Load(profile);
  loadCheck("COPY_FROM_DOSS", ids::kCopyFromDoss);
  ApplyAgencyRule();
  loadCheck("COPY_FROM_CTP", ids::kCopyFromCtp);
  ctp_.Load(profile, "CTP");
  ApplyCtpRule(false);
  addedPassengers_ = fit::loadAddPassengerList(profile);
  if (addedPassengers_ && addedPassengers_->customerSource >= 0) {
    Window& list = *dialog()->child(ids::kCustomerSource);
    for (int index = 0; index < list.entryCount(); ++index) {
      if (list.entry(index)->data == addedPassengers_->customerSource) list.setCurrentEntry(index);
    }
  }
  dkNumber_.Load(profile, "DKNUMBER");
  // The corporate identifier of a billed company is not saved: keep the recalled SF Cust ID.
  const std::string sfCustId = Text(ids::kSfCustId);
  ApplyBillingRules();
  if (backOffice_) sfCustId_.SetText(sfCustId);
}

void CPNRCreationFIT::ClearFields() {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    Row& each = rows_[row];
    each.name.Clear();
    each.title.Clear();
    each.ptc->setCurrentEntry(0);
    each.age->setText("");
    each.others->setText("");
    ApplyRowRules(row);
    // A cleared screen holds no profile traveller.
    each.profile = {};
    each.profileMarker = false;
    each.dependantNumber.clear();
  }
  SetChecked(ids::kBillToCompany, false);
  sfCustId_.Clear();
  ttl_.Clear();
  receivedFrom_.Clear();
  agency_.Clear();
  remarks_.Clear();
  idDoc_.Clear();
  passport_.Clear();
  contactPerson_.Clear();
  email_.Clear();
  fax_.Clear();
  businessPhone_.Clear();
  mobilePhone_.Clear();
  homePhone_.Clear();
  SetChecked(ids::kBillingAddress, false);
  SetChecked(ids::kDeliveryAddress, false);
  for (std::size_t line = 0; line < billingLines_.size(); ++line) {
    billingLines_[line].Clear();
    deliveryLines_[line].Clear();
  }
  ApplyAddressRule(ids::kBillingAddress, ids::kBillingLines);
  ApplyAddressRule(ids::kDeliveryAddress, ids::kDeliveryLines);
  for (std::size_t index = 0; index < kPersonnel.size(); ++index) {
    SetChecked(kPersonnel[index].box, false);
    personnel_[index].Clear();
  }
  ApplyPersonnelRules();
  autoCreate_.SetCheck(0);
  SetChecked(ids::kCopyFromDoss, false);
  ApplyAgencyRule();
  ctp_.Clear();
  SetChecked(ids::kCopyFromCtp, false);
  ApplyCtpRule(false);
  dkNumber_.Clear();
  // The profile strings and the added passengers belong to the travellers just cleared. A
  // back-office lookup still waiting for its answer is not the screen's: its answer fills the
  // row it was asked for, which stays a profile traveller.
  profileStrings_ = {};
  addedPassengers_.reset();
  ReadCustomerSource();
  if (pendingRow_ >= 0 && pendingRow_ < fit::kPassengerRows) {
    rows_[static_cast<std::size_t>(pendingRow_)].profileMarker = true;
  }
  ApplyBillingRules();
}

// ---------------------------------------------------------------------------------------------
// Controls

std::string CPNRCreationFIT::Text(int id) const {
  return framework::itemText(*dialog(), id, kTextBuffer);
}

bool CPNRCreationFIT::IsChecked(int id) const {
  const Window* control = dialog()->child(id);
  return control != nullptr && control->checkState() == 1;
}

void CPNRCreationFIT::SetChecked(int id, bool checked) {
  if (Window* control = dialog()->child(id)) control->setCheckState(checked ? 1 : 0);
}

void CPNRCreationFIT::EnableControl(int id, bool enabled) {
  if (Window* control = dialog()->child(id)) control->enable(enabled);
}
