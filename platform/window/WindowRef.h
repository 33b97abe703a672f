#pragma once
// A handle on a window that knows when the window is gone. Each window gets a serial number
// when it is made, never given to another, so a handle kept after its window was destroyed
// finds nothing, even when a new window was made at the same address.

#include <cstdint>

namespace platform {

class Window;

class WindowRef {
 public:
  WindowRef() = default;
  explicit WindowRef(const Window& window);

  // The window, or null once it is destroyed (and for a handle on no window).
  Window* get() const;

 private:
  std::uint64_t serial_ = 0;  // 0: no window
};

}  // namespace platform
