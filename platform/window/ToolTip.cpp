#include "platform/window/ToolTip.h"

namespace platform {

ToolTip::~ToolTip() {
  if (Window* tool = tool_.get()) tool->setToolTip("");
}

void ToolTip::activate(bool active) {
  active_ = active;
  if (Window* tool = tool_.get()) tool->setToolTip(active_ ? text_ : std::string());
}

void ToolTip::addTool(Window& tool, std::string_view text) {
  tool_ = WindowRef(tool);
  text_ = text;
  if (active_) tool.setToolTip(text_);
}

void ToolTip::relayEvent(const Message&) {
  // The container shows the tooltip from the tool's text; nothing to track here.
}

}  // namespace platform
