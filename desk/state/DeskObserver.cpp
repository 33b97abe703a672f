#include "desk/state/DeskObserver.h"

namespace desk {
namespace {
DeskObserver*& currentObserver() {
  static DeskObserver* observer = nullptr;
  return observer;
}
}  // namespace

void setObserver(DeskObserver* observer) {
  currentObserver() = observer;
}

DeskObserver* observer() {
  return currentObserver();
}

}  // namespace desk
