#pragma once
// The host command of the group PNR creation mask, built from plain data: the group header,
// the added passengers, the agency, ticketing and received-from items, the two contact phones
// and the closing "*A".

#include <string>
#include <vector>

#include "masks/fit/AddPassengerList.h"

namespace group {

enum class GroupType { None = 0, FreeText = 1, Fixed = 2 };

struct GroupCommandInput {
  GroupType type = GroupType::None;
  std::string carrierCode;
  std::string numberInGroup;
  std::string groupName;
  bool withOrganiser = true;
  std::string bookingOffice;
  std::string travelAgent;
  std::string destination;

  // The added passengers, the only travellers of a group.
  std::vector<fit::AddedPassenger> passengers;

  bool copyFromDoss = false;      // box 841
  std::string agencyPhoneLine;    // the agency field's first fragment
  std::string agencyAddressLine;  // its second ("W-" alone when nothing is filled)
  // Built without the change mark, as for the individual creation: a creation adds elements.
  std::string ticketingTimeLimit;
  std::string receivedFrom;

  std::string contactPerson;
  std::string businessPhone;
  std::string homePhone;
};

// "-C/" + carrier + "/" + number + group name, or for a fixed group "-C/" + carrier + "/" +
// number + "G" or "T" + booking office + "/" + travel agent + "/" + destination + group name;
// empty for no type.
std::string groupHeader(const GroupCommandInput& input);

std::string buildGroupCommand(const GroupCommandInput& input);

}  // namespace group
