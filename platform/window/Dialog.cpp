#include <memory>

#include "platform/window/DialogTemplate.h"

namespace platform {
namespace {

Rect pixelRectangle(int x, int y, int width, int height) {
  const int left = dialogUnitsToPixelsX(x);
  const int top = dialogUnitsToPixelsY(y);
  return Rect{left, top, left + dialogUnitsToPixelsX(width), top + dialogUnitsToPixelsY(height)};
}

}  // namespace

std::unique_ptr<Window> buildDialog(const DialogTemplate& dialogTemplate, Window* parent) {
  auto dialog = std::make_unique<Window>(
      WindowClass::Dialog, dialogTemplate.id, std::string(dialogTemplate.caption),
      dialogTemplate.style | WS_VISIBLE,
      pixelRectangle(0, 0, dialogTemplate.width, dialogTemplate.height));
  if (parent != nullptr) {
    // The container's window is the dialog's parent for keys and notifications; the dialog
    // itself belongs to the control that made it.
    dialog->setParentWithoutOwnership(parent);
  }
  for (const ControlTemplate& control : dialogTemplate.controls) {
    auto& window = dialog->addChild(std::make_unique<Window>(
        control.windowClass, control.id, std::string(control.text), control.style | WS_CHILD,
        pixelRectangle(control.x, control.y, control.width, control.height)));
    if (!control.hostedClass.empty()) window.setHostedClass(std::string(control.hostedClass));
  }
  return dialog;
}

}  // namespace platform
