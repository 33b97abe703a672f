#include "masks/fit/PNRCreationFIT.h"

#include "fields/ComboTyping.h"
#include "framework/HostCommand.h"
#include "masks/fit/CreationProfile.h"
#include "masks/fit/FitMaskTables.h"
#include "platform/com/Bstr.h"

namespace ids = resources::pnr_creation_fit;
using namespace platform;
using fit::LookupKind;

namespace {

constexpr int kPhoneLength = 40;
constexpr int kAddressLineLength = 63;

}  // namespace

// The fields in the order of the whiteboard section; each group's rules follow after a
// recall and a clear (ApplyRules).
CPNRCreationFIT::CPNRCreationFIT() {
  DeclareRows();
  DeclareContacts();
  DeclareAddressesAndPersonnel();
  DeclareDocumentsAndCopies();
}

void CPNRCreationFIT::DeclareRows() {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const ids::PassengerRowIds& row_ids = ids::kRows[row];
    Row& each = rows_[row];
    // The column headers label the first row's fields.
    const bool first = row == 0;
    fields().declare(each.name,
                     framework::KeyPair{fit::rowKey(row, "SURNAME"), fit::rowKey(row, "GIVENNAME")},
                     first ? ids::kSurnameHeader : -1, row_ids.surname,
                     first ? ids::kGivenNameHeader : -1, row_ids.givenName, 0, fields::kCreation);
    fields().declare(each.title, fit::rowKey(row, "TITLE"), first ? ids::kTitleHeader : -1,
                     row_ids.title, 0, fields::kCreation);
    fields().declare(each.ptc, fit::rowKey(row, "PTC"), row_ids.ptc);
    fields().declare(each.age, fit::rowKey(row, "AGE"), row_ids.age);
    fields().declare(each.others, fit::rowKey(row, "PTC_OTHERS"), row_ids.others);
  }
}

void CPNRCreationFIT::DeclareContacts() {
  fields().declare(billToCompany_, "BILLTOCOMPANY", ids::kBillToCompany);
  fields().declare(sfCustId_, "OTHERS", ids::kSfCustIdLabel, ids::kSfCustId, 0, 10,
                   "LAB_PNR_SF_CUSTID", "TOOLTIP_SF_CUSTID", fields::kCreation);
  const auto& ttl = ids::kTtl;
  fields().declare(ttl_, "", ttl.label, ttl.type, ttl.dateLabel, ttl.date, ttl.queueLabel,
                   ttl.queue, ttl.segmentLabel, ttl.segment, ids::kTtlRowOrigin, ttl.ticketLabel,
                   fields::kCreation);
  fields().declare(receivedFrom_, "RECEIVEDFROM", ids::kReceivedFromLabel, ids::kReceivedFrom, 0,
                   fields::kCreation);
  const auto& agency = ids::kAgency;
  fields().declare(agency_, "", agency.nameLabel, agency.name, agency.telephoneLabel,
                   agency.telephone, agency.agentLabel, agency.agent, agency.addressLabel,
                   agency.lines[0], agency.lines[1], agency.lines[2], agency.lines[3],
                   agency.lines[4], agency.lines[5], fields::kCreation);
  fields().declare(fax_, "FAXNO", ids::kFaxLabel, ids::kFax, 0, fields::kCreation);
  fields().declare(businessPhone_, "BUSTEL", ids::kBusinessPhoneLabel, ids::kBusinessPhone, 0,
                   kPhoneLength, "LAB_PNR_BUSTEL", "TIP_PNR_BUSTEL", fields::kCreation);
  fields().declare(mobilePhone_, "MOBILETEL", ids::kMobilePhoneLabel, ids::kMobilePhone, 0,
                   kPhoneLength, "LAB_PNR_MOBILETEL", "TIP_PNR_MOBILETEL", fields::kCreation);
  fields().declare(homePhone_, "HOMENO", ids::kHomePhoneLabel, ids::kHomePhone, 0, kPhoneLength,
                   "LAB_PNR_HOMENO", "TIP_PNR_HOMENO", fields::kCreation);
  ProfileStrings& strings = profileStrings_;
  fields().declareValue(strings.companyName, "str_CompanyName_Value");
  fields().declareValue(strings.home.value, "str_PHONE_VALUE_HOME");
  fields().declareValue(strings.fax.value, "str_PHONE_VALUE_FAX");
  fields().declareValue(strings.mobile.value, "str_PHONE_VALUE_MOBILE");
  fields().declareValue(strings.business.value, "str_PHONE_VALUE_BIZ");
  fields().declareValue(strings.mobile.flag, "str_PHONE_FLAG_MOBILE");
  fields().declareValue(strings.business.flag, "str_PHONE_FLAG_BIZ");
  fields().declareValue(strings.home.flag, "str_PHONE_FLAG_HOME");
  fields().declareValue(strings.fax.flag, "str_PHONE_FLAG_FAX");
  const auto& email = ids::kEmail;
  fields().declare(email_, "", email.addressLabel, email.address, email.freeTextLabel,
                   email.freeText, email.passengerLabel, email.passenger, 0, fields::kCreation);
  fields().declare(contactPerson_, "PERSON", ids::kContactPersonLabel, ids::kContactPerson, 0,
                   fields::kCreation);
}

void CPNRCreationFIT::DeclareAddressesAndPersonnel() {
  const auto declareAddress = [&](Address& address, std::string_view key, int boxId,
                                  const std::array<int, 5>& lineIds) {
    fields().declare(address.box, key, boxId);
    for (std::size_t line = 0; line < lineIds.size(); ++line) {
      fields().declare(address.lines[line], std::string(key) + std::to_string(line + 1), -1,
                       lineIds[line], 0, kAddressLineLength, "", "", fields::kCreation);
    }
  };
  declareAddress(billing_, "BILLINGADDRESS", ids::kBillingAddress, ids::kBillingLines);
  declareAddress(delivery_, "DELIVERYADDRESS", ids::kDeliveryAddress, ids::kDeliveryLines);
  for (std::size_t index = 0; index < fit::kPersonnel.size(); ++index) {
    const fit::PersonnelEntry& entry = fit::kPersonnel[index];
    fields().declare(personnel_[index].box, entry.boxKey, entry.box);
    fields().declare(personnel_[index].edit, entry.editKey, -1, entry.edit, 0, entry.maxLength, "",
                     entry.editTipKey, fields::kCreation);
  }
  fields().declare(autoCreate_, "AUTOCREATE", ids::kAutoCreate, 0);
}

void CPNRCreationFIT::DeclareDocumentsAndCopies() {
  const auto& remarks = ids::kRemarks;
  fields().declare(remarks_, "", remarks.typeLabel, remarks.type, remarks.segmentLabel,
                   remarks.segment, remarks.textLabel, remarks.text, 0, nullptr, fields::kCreation);
  const auto& idDoc = ids::kIdDoc;
  fields().declare(idDoc_, "", idDoc.typeLabel, idDoc.type, idDoc.numberLabel, idDoc.number,
                   idDoc.surnameLabel, idDoc.surname, idDoc.givenLabel, idDoc.given, 0, nullptr,
                   fields::kCreation);
  const auto& pp = ids::kPassport;
  fields().declare(passport_, "", pp.typeLabel, pp.type, pp.passportLabel, pp.passport,
                   pp.nationalityLabel, pp.nationality, pp.surnameLabel, pp.surname, pp.givenLabel,
                   pp.given, pp.segmentLabel, pp.segment, pp.primaryHolder, pp.nameSelectLabel,
                   pp.nameSelect, pp.birthLabel, pp.birth, pp.genderLabel, pp.gender, 0,
                   fields::kCreation);
  fields().declare(copyFromDoss_, "COPY_FROM_DOSS", ids::kCopyFromDoss);
  fields().declare(copyFromCtp_, "COPY_FROM_CTP", ids::kCopyFromCtp);
  fields().declare(ctp_, "CTP", -1, ids::kCtp, 0, 38, "", "TOOLTIP_EDIT_CTP", fields::kCreation);
  // The added passengers, and the customer source their list was made with.
  fields().declareKept(
      [this](CTorvanProfile& profile) {
        fit::saveAddPassengerList(profile, addedPassengers_ ? &*addedPassengers_ : nullptr);
      },
      [this](CTorvanProfile& profile) {
        addedPassengers_ = fit::loadAddPassengerList(profile);
        if (addedPassengers_ && addedPassengers_->customerSource >= 0) {
          Window& list = *dialog()->child(ids::kCustomerSource);
          for (int index = 0; index < list.entryCount(); ++index) {
            if (list.entry(index)->data == addedPassengers_->customerSource) {
              list.setCurrentEntry(index);
            }
          }
        }
      },
      [this] { addedPassengers_.reset(); });
  fields().declare(dkNumber_, "DKNUMBER", ids::kDkNumberLabel, ids::kDkNumber, 0, 10,
                   "LAB_PNR_DK_NUMBER", "TOOLTIP_PNR_DKNBR", fields::kCreation);
}

void CPNRCreationFIT::AfterInitDialog() {
  backOffice_ = fit::readBackOfficeSwitches().backOffice;
  FillCustomerSource();
  ReadCustomerSource();
  LabelControls();
  PrepareRows();
  ApplyAddressRule(billing_);
  ApplyAddressRule(delivery_);
  ApplyPersonnelRules();
  autoCreate_.SetCheck(backOffice_ ? 1 : 0);
  autoCreate_.Enable(backOffice_ ? 1 : 0);
  ApplyBillingRules();
  ImportHandOverFile();
  fireEvent(typelib::Event::Ready);
  copyFromDoss_.SetChecked(agentInfo_.getDataSrcLocation() == 2);
  ApplyAgencyRule();
  RequestAgentProfile();
  ApplyCtpRule(false);
}

// A back-office lookup still waiting for its answer is not the screen's: its answer fills the
// row it was asked for, which stays a profile traveller.
void CPNRCreationFIT::ClearFields() {
  StandardMask::ClearFields();
  for (Row& row : rows_) {
    row.profile = {};
    row.profileMarker = false;
    row.dependantNumber.clear();
  }
  profileStrings_ = {};
  ReadCustomerSource();
  if (pendingRow_ >= 0 && pendingRow_ < fit::kPassengerRows) {
    rows_[static_cast<std::size_t>(pendingRow_)].profileMarker = true;
  }
}

// The corporate identifier of a billed company is not saved: a recalled SF Cust ID stays.
void CPNRCreationFIT::ApplyRules() {
  for (std::size_t row = 0; row < rows_.size(); ++row) ApplyRowRules(row);
  ApplyAddressRule(billing_);
  ApplyAddressRule(delivery_);
  ApplyPersonnelRules();
  ApplyAgencyRule();
  ApplyCtpRule(false);
  const std::string sfCustId = sfCustId_.GetText();
  ApplyBillingRules();
  if (backOffice_) sfCustId_.SetText(sfCustId);
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

// ---------------------------------------------------------------------------------------------
// Messages

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
  if (OnRowCommand(id, code)) return true;
  if (code != BN_CLICKED) return false;
  switch (id) {
    case ids::kCorporateLookup:
      StartLookup(LookupKind::Corporate, 0);
      return true;
    case ids::kAddPassenger:
      AddPassengers();
      return true;
    case ids::kBillingAddress:
      ApplyAddressRule(billing_);
      return true;
    case ids::kDeliveryAddress:
      ApplyAddressRule(delivery_);
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
  for (const fit::PersonnelEntry& entry : fit::kPersonnel) {
    if (id != entry.box) continue;
    EnableControl(entry.edit, IsChecked(entry.box));
    return true;
  }
  return false;
}
