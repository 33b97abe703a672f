// Opening the individual creation mask: the customer source, the captions, the passenger
// rows' lists and limits, the hand-over file and the agent's profile.

#include "fields/FieldParts.h"
#include "masks/fit/CreationProfile.h"
#include "masks/fit/FitMaskTables.h"
#include "masks/fit/HandOverFile.h"
#include "masks/fit/InstallFolder.h"
#include "masks/fit/PNRCreationFIT.h"

namespace ids = resources::pnr_creation_fit;
using namespace platform;

namespace {

// The PTC list of every row: its texts' keys in item-data order.
constexpr std::array<std::string_view, 4> kPtcKeys{
    "DATA_NETFARESDISPLAY_ADULT", "DATA_NETFARESDISPLAY_CHILD", "DATA_NETFARESDISPLAY_INFANT",
    "DATA_FARERECORD_PTC_OTHERS"};
constexpr int kAgeLength = 2;
constexpr int kOthersLength = 3;

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

}  // namespace

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
  for (const fit::PersonnelEntry& entry : fit::kPersonnel) {
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
    Window& ptc = *each.ptc.window();
    ptc.clearEntries();
    for (std::size_t index = 0; index < texts.size(); ++index) {
      ptc.addEntry(texts[index], static_cast<std::intptr_t>(index));
    }
    ptc.setCurrentEntry(0);
    each.age.window()->setTextLimit(kAgeLength);
    each.others.window()->setTextLimit(kOthersLength);
    if (ageTip) each.age.window()->setToolTip(*ageTip);
    if (othersTip) each.others.window()->setToolTip(*othersTip);
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
