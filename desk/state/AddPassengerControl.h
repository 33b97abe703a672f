#pragma once
// What the desktop's add-passenger control reports when a mask hosts it.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/com/AddPassengerContract.h"

namespace desk {

// The add-passenger control holds at most this many travellers, one profile marker each.
inline constexpr std::size_t kAddedPassengers = platform::add_passenger::kPassengers;

// Whether text is a set of profile markers: one digit '0' or '1' for each traveller.
inline bool isProfileMarkers(std::string_view text) {
  return text.size() == kAddedPassengers && text.find_first_not_of("01") == std::string::npos;
}

// Whether a passenger list text (its entries joined by '=') holds more travellers than the
// control takes.
inline bool exceedsAddedPassengers(std::string_view listText) {
  return static_cast<std::size_t>(std::ranges::count(listText, '=')) >= kAddedPassengers;
}

struct AddPassengerControlState {
  int completionState = 0;
  std::string listText;
  std::string profileMarkers = std::string(kAddedPassengers, '0');
};

AddPassengerControlState& addPassengerControl();

}  // namespace desk
