#pragma once
// How much room a text takes: the headless window system measures every character of a font
// as its average width, so that containers and scripts agree on where a text lies.

#include <string_view>

#include "platform/window/Window.h"

namespace platform {

// Average character width and line height of a font (the dialog font when null).
int averageCharacterWidth(HFONT font);
int lineHeight(HFONT font);
int textWidth(std::string_view text, HFONT font);

// Where a control's text stands in its client area, by its alignment style.
Rect textRectangle(const Window& window);
// The character position nearest to x in an edit's text.
int characterIndexAt(const Window& window, int x);

}  // namespace platform
