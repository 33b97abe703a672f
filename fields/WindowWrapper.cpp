#include "fields/WindowWrapper.h"

namespace fields {

using namespace platform;

WindowWrapper::~WindowWrapper() {
  Detach();
}

void WindowWrapper::Attach(Window& control) {
  Detach();
  window_ = WindowRef(control);
  handler_ = control.attachHandler([this](const Message& message, LRESULT& result) {
    return ProcessWindowMessage(message, result);
  });
}

Window* WindowWrapper::Detach() {
  Window* control = window();
  if (control != nullptr && handler_) control->detachHandler(*handler_);
  window_ = {};
  handler_.reset();
  return control;
}

Window* WindowWrapper::window() const {
  // The dialog may have gone before the field that wrapped its control.
  return window_.get();
}

}  // namespace fields
