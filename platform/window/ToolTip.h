#pragma once
// A tooltip window: it shows a text when the pointer rests on a control registered with it.
// Headless, the registration sets the control's tooltip text for a container to render.

#include <string>
#include <string_view>

#include "platform/window/Window.h"
#include "platform/window/WindowRef.h"

namespace platform {

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  void activate(bool active);
  // Registers a tool identified by its window, with its text.
  void addTool(Window& tool, std::string_view text);
  // Mouse messages of a tool are relayed so that the tooltip knows where the pointer is.
  void relayEvent(const Message& message);

 private:
  WindowRef tool_;
  std::string text_;
  bool active_ = false;
};

}  // namespace platform
