#pragma once
// What the desktop's add-passenger control and the masks that host it agree on: its class
// name, the dispatch ids of its members and events, its completion states and how many
// travellers it holds. The masks reach it only through these ids; the desk serves them.

#include <cstddef>
#include <string_view>

#include "platform/com/ComTypes.h"

namespace platform::add_passenger {

// The class a hosted window names to hold the control.
inline constexpr std::string_view kClassName = "AddPax";

enum class Member : DISPID {
  InitialMode = 1,      // put, a number
  Text = 2,             // put, a text
  CustomerSource = 3,   // put, a number
  Reply = 4,            // method, a reply text
  CompletionState = 5,  // get, a number: kFinished or kCancelled
  PassengerList = 6,    // get, the entries joined by '='
  ProfileMarker = 7,    // get with the entry's index, 0 or 1
};

enum class Event : DISPID {
  Completed = 1,    // the agent has finished
  Send = 2,         // (text) a command to send
  SendCommand = 3,  // (text) a command whose reply it wants
  SendTo = 4,       // (source, destination, text) a message to a desktop component
  OnEvent = 5,      // (action, parameter) a desktop event
};

constexpr DISPID dispatchId(Member member) {
  return static_cast<DISPID>(member);
}
constexpr DISPID dispatchId(Event event) {
  return static_cast<DISPID>(event);
}

// The completion state once the agent has finished: the list taken, or cancelled.
inline constexpr int kFinished = 0;
inline constexpr int kCancelled = 1;

// The control holds at most this many travellers, one profile marker each.
inline constexpr std::size_t kPassengers = 9;

}  // namespace platform::add_passenger
