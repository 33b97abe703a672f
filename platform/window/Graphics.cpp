#include "platform/window/Graphics.h"

#include <cstdio>

namespace platform {

std::string colourToHex(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
  return text;
}

}  // namespace platform
