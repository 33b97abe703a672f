#include "platform/window/Painting.h"

namespace platform {
namespace {

PaintColours ask(Window* asked, UINT request, Window& painted) {
  // The container paints the button face behind controls that do not paint themselves.
  const COLORREF ambient = kButtonFaceColour;
  DeviceContext context{kWindowTextColour, ambient};
  LRESULT brush = 0;
  if (asked != nullptr) {
    brush = asked->send(request, reinterpret_cast<WPARAM>(&context),
                        reinterpret_cast<LPARAM>(&painted));
  }
  return PaintColours{context.textColour, context.backgroundColour,
                      context.backgroundMode == BackgroundMode::Transparent,
                      brush != 0 ? reinterpret_cast<HBRUSH>(brush)->colour : ambient};
}

}  // namespace

PaintColours staticColours(Window& control) {
  return ask(control.parent(), WM_CTLCOLORSTATIC, control);
}

PaintColours dialogColours(Window& dialog) {
  return ask(&dialog, WM_CTLCOLORDLG, dialog);
}

bool paintsAsStatic(const Window& control) {
  if (control.windowClass() == WindowClass::Static) return true;
  if (control.windowClass() != WindowClass::Button) return false;
  const DWORD type = control.styleType();
  return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON;
}

}  // namespace platform
