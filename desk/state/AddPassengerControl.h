#pragma once
// What the desktop's add-passenger control reports when a mask hosts it.

#include <string>

namespace desk {

struct AddPassengerControlState {
  int completionState = 0;
  std::string listText;
  std::string profileMarkers = "000000000";  // nine digits '0' or '1'
};

AddPassengerControlState& addPassengerControl();

}  // namespace desk
