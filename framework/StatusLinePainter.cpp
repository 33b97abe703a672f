#include "framework/StatusLinePainter.h"

#include "platform/window/Desktop.h"

namespace framework {

using namespace platform;

StatusLinePainter::~StatusLinePainter() {
  if (handler_ && desktop().isAlive(window_)) window_->detachHandler(*handler_);
}

void StatusLinePainter::attach(Window& statusLine) {
  window_ = &statusLine;
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
