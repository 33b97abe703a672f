#include "platform/window/TextMetrics.h"

#include <algorithm>

#include "platform/window/DialogTemplate.h"

namespace platform {

int averageCharacterWidth(HFONT font) {
  if (font == nullptr || font->height <= 0) return kBaseUnitX;
  return std::max(1, font->height / 2);
}

int lineHeight(HFONT font) {
  return font == nullptr || font->height <= 0 ? kBaseUnitY : font->height;
}

int textWidth(std::string_view text, HFONT font) {
  return static_cast<int>(text.size()) * averageCharacterWidth(font);
}

Rect textRectangle(const Window& window) {
  const Rect& bounds = window.rect();
  const int width = std::min(textWidth(window.text(), window.font()), bounds.width());
  const int height = std::min(lineHeight(window.font()), bounds.height());
  int left = 0;
  const DWORD alignment = window.style() & SS_TYPEMASK;
  if (window.windowClass() == WindowClass::Static && alignment == SS_CENTER) {
    left = (bounds.width() - width) / 2;
  } else if (window.windowClass() == WindowClass::Static && alignment == SS_RIGHT) {
    left = bounds.width() - width;
  }
  return Rect{left, 0, left + width, height};
}

int characterIndexAt(const Window& window, int x) {
  const int width = averageCharacterWidth(window.font());
  const int index = (std::max(x, 0) + width / 2) / width;
  return std::min(index, static_cast<int>(window.text().size()));
}

}  // namespace platform
