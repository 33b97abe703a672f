#pragma once
// The open PNR's passengers and e-mail elements as the e-mail masks offer them: one label a
// passenger ("1.1 - DOE/JOHN"), and every e-mail the PNR holds, its own e-mail elements first,
// then each passenger's own address.

#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Window.h"

namespace masks {

struct ExistingEmail {
  std::string address;
  std::string nameNumber;
  std::string name;
  std::string remark;
};

struct OpenPnrContacts {
  std::vector<std::string> passengerLabels;
  std::vector<ExistingEmail> emails;
};

// Reads the PNR as the desktop holds it now.
OpenPnrContacts readOpenPnrContacts(platform::Window* parent);

// The name number a passenger label begins with: its text before the first blank.
std::string_view labelNameNumber(std::string_view label);

// An empty first entry (item data 0), then one entry a label (item data 1, 2, ...); the first
// entry selected.
void fillPassengerList(platform::Window& list, const std::vector<std::string>& labels);

// The entry (1, 2, ...) of the label that begins with that name number, compared exactly; 0
// when none does.
int passengerEntryOf(const std::vector<std::string>& labels, std::string_view nameNumber);

}  // namespace masks
