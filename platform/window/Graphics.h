#pragma once
// Colours, brushes, fonts and the device context through which controls answer colour
// requests. Nothing is drawn here: these are the attributes a container renders.

#include <cstdint>
#include <string>

namespace platform {

// 0x00BBGGRR, as the masks write their colours.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>(red & 0xFF) | (static_cast<COLORREF>(green & 0xFF) << 8) |
         (static_cast<COLORREF>(blue & 0xFF) << 16);
}
constexpr int redOf(COLORREF colour) {
  return colour & 0xFF;
}
constexpr int greenOf(COLORREF colour) {
  return (colour >> 8) & 0xFF;
}
constexpr int blueOf(COLORREF colour) {
  return (colour >> 16) & 0xFF;
}
// "#rrggbb"
std::string colourToHex(COLORREF colour);

// A solid brush; its address is the handle a colour request returns.
struct Brush {
  COLORREF colour;
};
using HBRUSH = const Brush*;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

struct Font {
  std::string face;
  int height = 0;  // character height in pixels
  int weight = FW_NORMAL;
  bool underline = false;
};
using HFONT = const Font*;

enum class BackgroundMode { Opaque, Transparent };

// What a control's painting is told by its colour request.
struct DeviceContext {
  COLORREF textColour;
  COLORREF backgroundColour;
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

// The system's own colours.
constexpr COLORREF kWindowTextColour = RGB(0, 0, 0);
constexpr COLORREF kButtonFaceColour = RGB(240, 240, 240);

}  // namespace platform
