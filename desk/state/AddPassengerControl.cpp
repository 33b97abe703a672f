#include "desk/state/AddPassengerControl.h"

namespace desk {

AddPassengerControlState& addPassengerControl() {
  static AddPassengerControlState state;
  return state;
}

}  // namespace desk
