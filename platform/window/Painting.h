#pragma once
// The colours a control is painted with, found the way painting finds them: by asking the
// control's dialog with a colour request.

#include <optional>

#include "platform/window/Graphics.h"
#include "platform/window/Window.h"

namespace platform {

struct PaintColours {
  COLORREF text;
  COLORREF background;  // behind the text
  bool transparent;     // the text is drawn over the brush, without its own background
  COLORREF brush;       // what fills the control
};

// For statics, check boxes, radio buttons and group boxes (WM_CTLCOLORSTATIC).
PaintColours staticColours(Window& control);
// For a dialog's own background (WM_CTLCOLORDLG).
PaintColours dialogColours(Window& dialog);

// Whether a control is painted through the static colour request.
bool paintsAsStatic(const Window& control);

}  // namespace platform
