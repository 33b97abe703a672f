#pragma once
// Pieces the mask dialogs share: their style and font, the row of standard buttons and the
// hidden status line, and a way to put a dialog's own controls and those pieces together.
// A mask's own dialog header names each of its control ids once; its template and its class
// both use those names.

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/window/DialogTemplate.h"

namespace resources {

using platform::ControlTemplate;
using platform::WindowClass;

// The hidden status line every mask dialog holds.
inline constexpr int kStatusLineId = 501;

// Send, Recall, Clear, Cancel, Help.
struct ButtonIds {
  int send;
  int recall;
  int clear;
  int cancel;
  int help;
};

// The buttons of every marker-style mask.
inline constexpr ButtonIds kMarkerStyleButtons{223, 234, 232, 227, 435};

inline constexpr DWORD kMaskDialogStyle = platform::WS_CHILD | platform::DS_SETFONT;
inline constexpr std::string_view kMaskFont = "MS Sans Serif";
inline constexpr int kMaskFontSize = 8;

inline constexpr DWORD kLabelStyle = platform::SS_LEFT;
inline constexpr DWORD kEditStyle = platform::ES_UPPERCASE | platform::ES_AUTOHSCROLL |
                                    platform::WS_BORDER | platform::WS_TABSTOP |
                                    platform::WS_VISIBLE;
inline constexpr DWORD kButtonStyle =
    platform::BS_PUSHBUTTON | platform::WS_TABSTOP | platform::WS_VISIBLE;

// A label and its edit on one row: the label at the left edge, the edit beside it.
constexpr std::array<ControlTemplate, 2> labelledEdit(int labelId, std::string_view label,
                                                      int editId, int y, int editWidth = 120) {
  return {
      {{labelId, WindowClass::Static, label, kLabelStyle | platform::WS_VISIBLE, 7, y + 2, 62, 8},
       {editId, WindowClass::Edit, "", kEditStyle, 72, y, editWidth, 12}}};
}

// A label at x and its value control beside it, on one row at y; the label is labelWidth wide.
constexpr std::array<ControlTemplate, 2> labelledEditAt(int labelId, std::string_view label,
                                                        int editId, int x, int y, int labelWidth,
                                                        int editWidth) {
  return {{{labelId, WindowClass::Static, label, kLabelStyle | platform::WS_VISIBLE, x, y + 2,
            labelWidth, 8},
           {editId, WindowClass::Edit, "", kEditStyle, x + labelWidth + 3, y, editWidth, 12}}};
}

// Combo boxes: an editable drop-down that completes what the agent types, or a fixed list.
inline constexpr DWORD kTypingComboStyle =
    platform::CBS_DROPDOWN | platform::CBS_UPPERCASE | platform::WS_TABSTOP | platform::WS_VISIBLE;
inline constexpr DWORD kListComboStyle =
    platform::CBS_DROPDOWNLIST | platform::WS_TABSTOP | platform::WS_VISIBLE;

// A label at x and a combo box beside it; the drop-down list opens 60 units deep.
constexpr std::array<ControlTemplate, 2> labelledComboAt(int labelId, std::string_view label,
                                                         int comboId, int x, int y, int labelWidth,
                                                         int comboWidth,
                                                         DWORD comboStyle = kTypingComboStyle) {
  return {
      {{labelId, WindowClass::Static, label, kLabelStyle | platform::WS_VISIBLE, x, y + 2,
        labelWidth, 8},
       {comboId, WindowClass::ComboBox, "", comboStyle, x + labelWidth + 3, y, comboWidth, 60}}};
}

// A check box with its own text.
constexpr std::array<ControlTemplate, 1> checkBoxAt(int id, std::string_view text, int x, int y,
                                                    int width) {
  return {
      {{id, WindowClass::Button, text,
        platform::BS_AUTOCHECKBOX | platform::WS_TABSTOP | platform::WS_VISIBLE, x, y, width, 12}}};
}

// The id of a label that names a row but belongs to no field (painted in the mask's
// background colour).
inline constexpr int kPlainLabelId = -1;

// A label without an id of its own.
constexpr std::array<ControlTemplate, 1> plainLabelAt(std::string_view text, int x, int y,
                                                      int width) {
  return {{{kPlainLabelId, WindowClass::Static, text, kLabelStyle | platform::WS_VISIBLE, x, y + 2,
            width, 8}}};
}

inline constexpr DWORD kCheckBoxStyle =
    platform::BS_AUTOCHECKBOX | platform::WS_TABSTOP | platform::WS_VISIBLE;
inline constexpr DWORD kGroupBoxStyle = platform::BS_GROUPBOX | platform::WS_VISIBLE;

// Single controls, for a dialog that lists its controls one by one (std::to_array).
// A label, its text two units below y.
constexpr ControlTemplate labelAt(int id, std::string_view text, int x, int y, int width = 60) {
  return {id, WindowClass::Static, text, kLabelStyle | platform::WS_VISIBLE, x, y + 2, width, 8};
}
constexpr ControlTemplate editAt(int id, int x, int y, int width) {
  return {id, WindowClass::Edit, "", kEditStyle, x, y, width, 12};
}
// A check box 10 units high, as the creation dialogs set them among their edits.
constexpr ControlTemplate compactCheckBoxAt(int id, std::string_view text, int x, int y,
                                            int width) {
  return {id, WindowClass::Button, text, kCheckBoxStyle, x, y, width, 10};
}
constexpr ControlTemplate buttonAt(int id, std::string_view text, int x, int y, int width) {
  return {id, WindowClass::Button, text, kButtonStyle, x, y, width, 12};
}
constexpr ControlTemplate frameAt(int id, std::string_view text, int x, int y, int width,
                                  int height) {
  return {id, WindowClass::Button, text, kGroupBoxStyle, x, y, width, height};
}
// A combo box of the style; its drop-down list opens 60 units deep.
constexpr ControlTemplate comboAt(int id, DWORD style, int x, int y, int width) {
  return {id, WindowClass::ComboBox, "", style, x, y, width, 60};
}

// The hidden line at y in which a mask shows what its container tells it; every template's
// reads the same until then.
constexpr ControlTemplate statusLineAt(int y) {
  return {kStatusLineId,
          WindowClass::Static,
          "Testing 1 2 3...",
          kLabelStyle | platform::WS_VISIBLE,
          7,
          y,
          266,
          8};
}

// Send, Recall, Clear, Cancel and Help in a row at y, then the status line below them.
constexpr std::array<ControlTemplate, 6> buttonRowAndStatusLine(const ButtonIds& buttons, int y) {
  return {{
      {buttons.send, WindowClass::Button, "Send", platform::BS_DEFPUSHBUTTON | kButtonStyle, 7, y,
       50, 14},
      {buttons.recall, WindowClass::Button, "Recall", kButtonStyle, 61, y, 50, 14},
      {buttons.clear, WindowClass::Button, "Clear", kButtonStyle, 115, y, 50, 14},
      {buttons.cancel, WindowClass::Button, "Cancel", kButtonStyle, 169, y, 50, 14},
      {buttons.help, WindowClass::Button, "Help", kButtonStyle, 223, y, 50, 14},
      statusLineAt(y + 18),
  }};
}

constexpr std::array<ControlTemplate, 6> markerStyleFooter(int y) {
  return buttonRowAndStatusLine(kMarkerStyleButtons, y);
}

// A mask dialog of the common style and font.
constexpr platform::DialogTemplate maskDialog(int id, int width, int height,
                                              std::span<const ControlTemplate> controls) {
  return {id, "", width, height, kMaskDialogStyle, kMaskFont, kMaskFontSize, controls};
}

// One outside control of the class filling a dialog of width by height units.
constexpr std::array<ControlTemplate, 1> hostedControl(int id, std::string_view className,
                                                       int width, int height) {
  return {{{id, WindowClass::Hosted, "", platform::WS_TABSTOP | platform::WS_VISIBLE, 0, 0, width,
            height, className}}};
}

// A small modal dialog of the mask font that its one hosted control fills.
constexpr platform::DialogTemplate hostedDialog(int id, std::string_view caption,
                                                const std::array<ControlTemplate, 1>& control) {
  return {id,        caption,       control[0].width, control[0].height, platform::DS_SETFONT,
          kMaskFont, kMaskFontSize, control};
}

template <std::size_t... Sizes>
constexpr auto joinControls(const std::array<ControlTemplate, Sizes>&... parts) {
  std::array<ControlTemplate, (Sizes + ...)> joined{};
  std::size_t next = 0;
  ((std::copy(parts.begin(), parts.end(), joined.begin() + next), next += parts.size()), ...);
  return joined;
}

}  // namespace resources
