#pragma once
// A dialog's shape as data: its size and its controls with id, class, text, style and
// rectangle in dialog units. Dialogs are built from these templates.

#include <memory>
#include <span>
#include <string_view>

#include "platform/window/Window.h"

namespace platform {

struct ControlTemplate {
  int id;
  WindowClass windowClass;
  std::string_view text;
  DWORD style;
  int x, y, width, height;            // dialog units
  std::string_view hostedClass = {};  // the outside control a hosted window holds
};

struct DialogTemplate {
  int id;
  std::string_view caption;
  int width, height;  // dialog units
  DWORD style;
  std::string_view fontFace;
  int fontSize;
  std::span<const ControlTemplate> controls;
};

// Dialog units of the dialog font: a quarter of its average character width, an eighth of
// its height.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
constexpr int dialogUnitsToPixelsX(int units) {
  return units * kBaseUnitX / 4;
}
constexpr int dialogUnitsToPixelsY(int units) {
  return units * kBaseUnitY / 8;
}

// Builds the dialog and its controls in template order. The dialog is placed in parent when
// one is given. The caller attaches its handler and then sends WM_INITDIALOG.
std::unique_ptr<Window> buildDialog(const DialogTemplate& dialogTemplate, Window* parent);

}  // namespace platform
