#include "masks/group/GroupCommand.h"

#include "framework/HostCommand.h"
#include "masks/fit/CommandItems.h"
#include "masks/fit/PassengerItems.h"

namespace group {
namespace {

using fit::kGroupOpener;
using fit::withoutFinalSeparator;
using framework::kChangeMark;
using framework::kEntrySeparator;

// The DOSS copy of the agency: "N*" + "\u00A4" + "\u00A7" + "NM".
std::string dossAgencyItem() {
  return "N*" + std::string(kChangeMark) + std::string(kEntrySeparator) + "NM";
}

}  // namespace

std::string groupHeader(const GroupCommandInput& input) {
  const std::string start = "-C/" + input.carrierCode + "/" + input.numberInGroup;
  switch (input.type) {
    case GroupType::FreeText:
      return start + input.groupName;
    case GroupType::Fixed:
      return start + (input.withOrganiser ? "G" : "T") + input.bookingOffice + "/" +
             input.travelAgent + "/" + input.destination + input.groupName;
    case GroupType::None:
      break;
  }
  return {};
}

std::string buildGroupCommand(const GroupCommandInput& input) {
  std::string command = groupHeader(input);

  const fit::PassengerStrings passengers =
      fit::buildPassengerStrings(fit::slotsOf(input.passengers), std::nullopt);
  if (!passengers.names.empty()) {
    command += kGroupOpener;
    command += withoutFinalSeparator(passengers.names);
  }

  // The phone prefix comes from the first added passenger's profile phones.
  const fit::AddedPassenger* first = input.passengers.empty() ? nullptr : &input.passengers[0];
  const std::string_view businessPrefix =
      first ? fit::phonePrefix(first->businessPhoneFlag, first->businessPhoneValue) : "9 ";
  const std::string_view homePrefix =
      first ? fit::phonePrefix(first->homePhoneFlag, first->homePhoneValue) : "9 ";

  fit::ItemJoiner items(command);
  if (!input.copyFromDoss) items.addItem(input.agencyPhoneLine);
  items.addItem(input.ticketingTimeLimit);
  items.addItem(input.receivedFrom);
  if (!input.businessPhone.empty()) {
    items.separate();
    items.append(businessPrefix);
    items.append(input.businessPhone);
    items.append(input.contactPerson);
    items.append("-B");
  }
  if (!input.homePhone.empty()) {
    // The home phone follows the items without changing the separator flag.
    items.append(items.flag() ? kEntrySeparator : kGroupOpener);
    items.append(homePrefix);
    items.append(input.homePhone);
    items.append("-H");
  }

  if (input.copyFromDoss) {
    command += kGroupOpener;
    command += dossAgencyItem();
  } else if (!input.agencyAddressLine.empty() && input.agencyAddressLine != "W-") {
    command += kGroupOpener;
    command += input.agencyAddressLine;
  }
  if (!passengers.pdt.empty()) {
    command += kGroupOpener;
    command += withoutFinalSeparator(passengers.pdt);
  }
  if (!passengers.referenceBlock.empty()) {
    command += kGroupOpener;
    command += withoutFinalSeparator(passengers.referenceBlock);
  }
  if (!command.empty()) command += "|*A";
  return command;
}

}  // namespace group
