#include "masks/group/PNRCreationGIT.h"

#include <array>

#include "framework/CodeLookupTable.h"
#include "framework/services/CTorvanValidate.h"
#include "masks/fit/CreationProfile.h"

namespace ids = resources::pnr_creation_git;
using namespace platform;
using group::GroupType;

namespace {

constexpr int kNoControl = -1;
constexpr std::size_t kTextBuffer = 1024;
constexpr int kShortEditLimit = 3;
constexpr int kPhoneLimit = 40;
constexpr int kGroupNameMinimum = 2;

struct TypeEntry {
  std::string_view text;
  GroupType type;
};
constexpr std::array<TypeEntry, 3> kTypes{{
    {" ", GroupType::None},
    {"Free Text Group Name", GroupType::FreeText},
    {"Fixed Group Name", GroupType::Fixed},
}};

// The controls of the agency block that a DOSS copy disables.
constexpr std::array<int, 9> kAgencyControls = {
    ids::kAgency.name,     ids::kAgency.lines[0],  ids::kAgency.lines[1],
    ids::kAgency.lines[2], ids::kAgency.lines[3],  ids::kAgency.lines[4],
    ids::kAgency.lines[5], ids::kAgency.telephone, ids::kAgency.agent};

// The controls a fixed group's header enables: booking office and travel agent with their
// labels, the with-organiser box and the destination edit. The with-organiser label and the
// destination's lookup link keep their state.
constexpr std::array<int, 6> kFixedGroupControls = {ids::kBookingOfficeLabel, ids::kBookingOffice,
                                                    ids::kTravelAgentLabel,   ids::kTravelAgent,
                                                    ids::kWithOrganiser,      ids::kDestination};

void enableControl(Window& dialog, int id, bool enabled) {
  if (Window* control = dialog.child(id)) control->enable(enabled);
}

}  // namespace

// Declared in the order the desktop's readers of the section expect the keys; loading and
// clearing follow it, the type and the DOSS copy applied after the fields they read.
CPNRCreationGIT::CPNRCreationGIT() {
  using fields::kCreation;
  // The group dialog has no "Bill to Company" box nor its identifier: they are written as
  // "0" and empty.
  fields().declareKept(
      [](CTorvanProfile& profile) {
        fit::saveProfileValue(profile, "BILLTOCOMPANY", "0");
        fit::saveProfileValue(profile, "OTHERS", "");
      },
      [](CTorvanProfile&) {}, [] {});
  fields().declare(ttl_, "", ids::kTtl.label, ids::kTtl.type, ids::kTtl.dateLabel, ids::kTtl.date,
                   ids::kTtl.queueLabel, ids::kTtl.queue, ids::kTtl.segmentLabel, ids::kTtl.segment,
                   ids::kTtlRowOrigin, ids::kTtl.ticketLabel, kCreation);
  fields().declare(receivedFrom_, "RECEIVEDFROM", ids::kReceivedFromLabel, ids::kReceivedFrom, 1,
                   kCreation);
  fields()
      .declare(agency_, "", ids::kAgency.nameLabel, ids::kAgency.name, ids::kAgency.telephoneLabel,
               ids::kAgency.telephone, ids::kAgency.agentLabel, ids::kAgency.agent,
               ids::kAgency.addressLabel, ids::kAgency.lines[0], ids::kAgency.lines[1],
               ids::kAgency.lines[2], ids::kAgency.lines[3], ids::kAgency.lines[4],
               ids::kAgency.lines[5], kCreation)
      .savedOnlyWhen([this] { return !copyFromDoss_.IsChecked(); });
  fields().declare(contactPerson_, "PERSON", ids::kContactPersonLabel, ids::kContactPerson, 0,
                   kCreation);
  fields().declare(typeLabel_, "", ids::kTypeLabel, kNoControl, 1, 0, "LAB_PNR_TYPE",
                   "TIP_PNR_TYPE", kCreation);
  fields().declare(type_, "TYPE04", ids::kType);
  fields().declare(businessPhone_, "BUSTEL", ids::kBusinessPhoneLabel, ids::kBusinessPhone, 0,
                   kPhoneLimit, "LAB_PNR_BUSTEL", "TIP_PNR_BUSTEL", kCreation);
  fields().declare(homePhone_, "HOMENO", ids::kHomePhoneLabel, ids::kHomePhone, 0, kPhoneLimit,
                   "LAB_PNR_HOMENO", "TIP_PNR_HOMENO", kCreation);
  fields().declare(carrierCode_, "CARRIERCODE04", ids::kCarrierCodeLabel, ids::kCarrierCode, 1,
                   kCreation);
  fields().declare(numberInGroup_, "NOINGRP04", ids::kNumberInGroupLabel, ids::kNumberInGroup, 1,
                   kCreation);
  fields().declare(groupName_, "GRPNAME04", ids::kGroupNameLabel, ids::kGroupName, 1,
                   kGroupNameMinimum, kCreation);
  fields().declare(withOrganiserLabel_, "", ids::kWithOrganiserLabel, kNoControl, 0, 0,
                   "LAB_PNR_WITHORG", "TIP_PNR_WITHORG", kCreation);
  fields().declare(withOrganiser_, "WITHORG04", ids::kWithOrganiser);
  fields().declare(bookingOffice_, "BOOKING04", ids::kBookingOfficeLabel, ids::kBookingOffice, 1,
                   kShortEditLimit, "LAB_PNR_BOOKING", "TIP_PNR_BOOKING", kCreation);
  fields().declare(travelAgent_, "AGENTNAME04", ids::kTravelAgentLabel, ids::kTravelAgent, 1,
                   kShortEditLimit, "LAB_PNR_TRAVELAGENTNAME", "TIP_PNR_TRAVELAGENTNAME",
                   kCreation);
  fields().declare(destination_, "DESTCITY04", ids::kDestinationLink, ids::kDestination, 1,
                   kShortEditLimit, "LAB_PNR_DESTCITY", "TIP_PNR_DESTCITY", kCreation);
  fields().declareRule([this] { ApplyType(); });
  // The added passengers belong to the group just cleared; the next group's command must not
  // carry their names.
  fields().declareKept(
      [this](CTorvanProfile& profile) {
        fit::saveAddPassengerList(profile, passengers_ ? &*passengers_ : nullptr);
      },
      [this](CTorvanProfile& profile) { passengers_ = fit::loadAddPassengerList(profile); },
      [this] { passengers_.reset(); });
  fields().declare(copyFromDossLabel_, "", ids::kCopyFromDoss, kNoControl, 0, 0,
                   "LAB_COPY_FROM_DOSS", "TOOLTIP_COPY_FROM_DOSS", kCreation);
  fields().declare(copyFromDoss_, "COPY_FROM_DOSS", ids::kCopyFromDoss);
  fields().declareRule([this] { ApplyCopyFromDoss(); });
}

void CPNRCreationGIT::BindFields(Window& dialog) {
  const framework::CodeLookupTable& lookups =
      framework::TorvanMaskT<CPNRCreationGIT>::codeLookupTable();
  destination_.SetLabelMode(fields::kLookupLink, lookups.text(framework::CodeList::City));
  withOrganiser_.SetChecked(true);
  if (Window* type = type_.window()) {
    type->clearEntries();
    for (const TypeEntry& entry : kTypes) {
      type->addEntry(std::string(entry.text), static_cast<std::intptr_t>(entry.type));
    }
    type->setCurrentEntry(0);
  }
  ApplyType();
  mask().SetCaption(dialog, ids::kContactFrame, "LAB_PNR_CUST_INFO");
  mask().SetCaption(dialog, ids::kAddPassenger, "CAPTION_ADD_PASSENGER");
}

bool CPNRCreationGIT::ProcessWindowMessage(const Message& message, LRESULT& result) {
  switch (message.code) {
    case WM_COMMAND:
      if (lowWord(message.wParam) == ids::kAddPassenger) {
        OnAddPassenger();
        return true;
      }
      break;
    case kSendMessage:
      OnSend();
      return true;
    case kRecallMessage:
      OnRecall();
      return true;
    case kClearMessage:
      OnClear();
      return true;
    case kCancelMessage:
      OnCancel();
      return true;
    default:
      if (OnExchangeMessage(message.code)) return true;
      break;
  }
  return StandardMask::ProcessWindowMessage(message, result);
}

bool CPNRCreationGIT::ProcessFieldMessages(const Message& message, LRESULT& result) {
  if (ttl_.ProcessWindowMessage(message, result)) return true;
  if (message.code != WM_COMMAND) return false;
  const int id = lowWord(message.wParam);
  const int code = highWord(message.wParam);
  if (id == ids::kType && code == CBN_SELENDOK) {
    ApplyType();
    return true;
  }
  if (id == ids::kCopyFromDoss && code == BN_CLICKED) {
    ApplyCopyFromDoss();
    return true;
  }
  return false;
}

GroupType CPNRCreationGIT::Type() const {
  const std::intptr_t data = type_.Selected().value_or(0);
  return data == 1 ? GroupType::FreeText : data == 2 ? GroupType::Fixed : GroupType::None;
}

void CPNRCreationGIT::ApplyType() {
  Window* dialogWindow = dialog();
  if (dialogWindow == nullptr) return;
  const GroupType type = Type();
  carrierCode_.Enable(type != GroupType::None);
  numberInGroup_.Enable(type != GroupType::None);
  groupName_.Enable(type != GroupType::None);
  for (int id : kFixedGroupControls) enableControl(*dialogWindow, id, type == GroupType::Fixed);
}

void CPNRCreationGIT::ApplyCopyFromDoss() {
  Window* dialogWindow = dialog();
  if (dialogWindow == nullptr) return;
  const bool copy = copyFromDoss_.IsChecked();
  for (int id : kAgencyControls) enableControl(*dialogWindow, id, !copy);
}

bool CPNRCreationGIT::ValidateFields() {
  const GroupType type = Type();
  if (type == GroupType::None) return Fault(ids::kType, "ERR_PNR_TYPE_NONE");
  if (!carrierCode_.Validate() || !numberInGroup_.Validate() || !groupName_.Validate()) {
    return false;
  }
  if (type == GroupType::Fixed && !CheckFixedGroup()) return false;
  if (!copyFromDoss_.IsChecked() && !agency_.Validate()) return false;
  if (!CheckContact()) return false;
  return ttl_.Validate() && receivedFrom_.Validate() &&
         BlankOrAlphanumeric(ids::kReceivedFrom, "ERR_VESPIN2_RECVD_ALPHANUM_FIELD", " -/");
}

// Booking office, travel agent and destination of a fixed group. The travel agent name has
// no character rule.
bool CPNRCreationGIT::CheckFixedGroup() {
  Window& dialogWindow = *dialog();
  const auto longEnough = [&](int controlId, std::string_view errorKey) {
    return mask().CheckMinLength(dialogWindow, controlId, kTraits.caption, errorKey,
                                 kShortEditLimit) != 0;
  };
  const auto alphabetic = [&](int controlId, std::string_view errorKey) {
    return CTorvanValidate().IsAlpha(Text(controlId)) != 0 || Fault(controlId, errorKey);
  };
  return longEnough(ids::kBookingOffice, "ERR_PNR_BOOKING_SHORT") &&
         alphabetic(ids::kBookingOffice, "ERR_PNR_BOOKING_NONALPHA") &&
         longEnough(ids::kTravelAgent, "ERR_TA_MIN3") &&
         longEnough(ids::kDestination, "ERR_PNR_DESTCITY_SHORT") &&
         alphabetic(ids::kDestination, "ERR_PNR_TO_NONALPHA");
}

bool CPNRCreationGIT::BlankOrAlphanumeric(int controlId, std::string_view errorKey,
                                          std::string_view extraChars) {
  Window& dialogWindow = *dialog();
  return mask().IsFieldEmpty(dialogWindow, controlId) != 0 ||
         mask().CheckAlphanumericEx(dialogWindow, controlId, kTraits.caption, errorKey,
                                    extraChars) != 0;
}

// The home phone refuses a few characters by name first, with the first of them selected.
bool CPNRCreationGIT::CheckContact() {
  if (!BlankOrAlphanumeric(ids::kContactPerson, "ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD", " ") ||
      !BlankOrAlphanumeric(ids::kBusinessPhone, "ERR_PNR_BUS_NUM_INVALID", " -")) {
    return false;
  }
  if (const std::size_t wrong = Text(ids::kHomePhone).find_first_of("I.*/");
      wrong != std::string::npos) {
    homePhone_.ReportErrorAt("ERR_PNR_HOMENO_WRONG", wrong);
    return false;
  }
  return BlankOrAlphanumeric(ids::kHomePhone, "ERR_PNR_HOME_NUM_INVALID", " -");
}

std::string CPNRCreationGIT::BuildCommand() const {
  group::GroupCommandInput input;
  input.type = Type();
  input.carrierCode = Text(ids::kCarrierCode);
  input.numberInGroup = Text(ids::kNumberInGroup);
  input.groupName = Text(ids::kGroupName);
  input.withOrganiser = withOrganiser_.IsChecked();
  input.bookingOffice = Text(ids::kBookingOffice);
  input.travelAgent = Text(ids::kTravelAgent);
  input.destination = Text(ids::kDestination);
  if (passengers_) input.passengers = passengers_->entries;
  input.copyFromDoss = copyFromDoss_.IsChecked();
  agency_.BuildFragment(input.agencyPhoneLine, input.agencyAddressLine);
  input.ticketingTimeLimit = ttl_.BuildFragment(false);
  input.receivedFrom = receivedFrom_.BuildFragment(false);
  input.contactPerson = Text(ids::kContactPerson);
  input.businessPhone = Text(ids::kBusinessPhone);
  input.homePhone = Text(ids::kHomePhone);
  return group::buildGroupCommand(input);
}
