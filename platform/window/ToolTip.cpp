#include "platform/window/ToolTip.h"

#include "platform/window/Desktop.h"

namespace platform {

ToolTip::~ToolTip() {
  if (tool_ != nullptr && desktop().isAlive(tool_)) tool_->setToolTip("");
}

void ToolTip::activate(bool active) {
  active_ = active;
  if (tool_ != nullptr) tool_->setToolTip(active_ ? text_ : std::string());
}

void ToolTip::addTool(Window& tool, std::string_view text) {
  tool_ = &tool;
  text_ = text;
  if (active_) tool.setToolTip(text_);
}

void ToolTip::relayEvent(const Message&) {
  // The container shows the tooltip from the tool's text; nothing to track here.
}

}  // namespace platform
