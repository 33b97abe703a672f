#include "fields/CFieldLabel.h"

#include "framework/TorvanMaskT.h"

namespace fields {

using namespace platform;

CFieldLabel::CFieldLabel()
    : font_{"Arial", 14, FW_BOLD, false},
      backgroundColour_(framework::kMaskBackground),
      backgroundBrush_{framework::kMaskBackground} {}

CFieldLabel::~CFieldLabel() = default;

void CFieldLabel::Attach(Window& control, std::optional<std::string> toolTip) {
  WindowWrapper::Attach(control);
  toolTipText_ = std::move(toolTip);
  toolTip_.reset();
  if (toolTipText_) {
    toolTip_ = std::make_unique<ToolTip>();
    toolTip_->activate(true);
    toolTip_->addTool(control, *toolTipText_);
  }
}

void CFieldLabel::SetToolTip(std::optional<std::string> toolTip) {
  if (Window* control = window()) Attach(*control, std::move(toolTip));
}

void CFieldLabel::SetBackgroundColour(COLORREF colour) {
  backgroundColour_ = colour;
  backgroundBrush_ = Brush{colour};
}

void CFieldLabel::ApplyFont() {
  if (Window* control = window()) control->setFont(&font_);
}

bool CFieldLabel::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (message.code == OCM_CTLCOLORSTATIC) {
    auto* context = reinterpret_cast<DeviceContext*>(message.wParam);
    context->textColour = textColour_;
    context->backgroundColour = backgroundColour_;
    result = reinterpret_cast<LRESULT>(&backgroundBrush_);
    return true;
  }
  if (message.code >= WM_MOUSEMOVE && message.code <= WM_MBUTTONDBLCLK && toolTip_) {
    toolTip_->relayEvent(message);
  }
  return false;
}

}  // namespace fields
