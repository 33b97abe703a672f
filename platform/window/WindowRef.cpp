#include "platform/window/WindowRef.h"

#include "platform/window/Desktop.h"

namespace platform {

WindowRef::WindowRef(const Window& window) : serial_(window.serial()) {}

Window* WindowRef::get() const {
  return serial_ != 0 ? desktop().liveWindow(serial_) : nullptr;
}

}  // namespace platform
