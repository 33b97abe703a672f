#include "framework/StatusLinePainter.h"

namespace framework {

using namespace platform;

StatusLinePainter::~StatusLinePainter() {
  Window* window = window_.get();
  if (handler_ && window != nullptr) window->detachHandler(*handler_);
}

void StatusLinePainter::attach(Window& statusLine) {
  window_ = WindowRef(statusLine);
  handler_ = statusLine.attachHandler(
      [this](const Message& message, LRESULT& result) { return handle(message, result); });
}

bool StatusLinePainter::handle(const Message& message, LRESULT& result) {
  if (message.code != OCM_CTLCOLORSTATIC) return false;
  auto* context = reinterpret_cast<DeviceContext*>(message.wParam);
  context->textColour = textColour_;
  context->backgroundMode = BackgroundMode::Transparent;
  result = reinterpret_cast<LRESULT>(brush_);
  return true;
}

}  // namespace framework
