#include "resources/dialogs/AddEmailDialog.h"

namespace resources::pnr_add_email {
namespace {

using platform::BS_AUTOCHECKBOX;
using platform::CBS_DROPDOWNLIST;
using platform::WS_DISABLED;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr int kFirstLineY = 20;
constexpr int kLineHeight = 14;
constexpr int kButtonY = kFirstLineY + kLineCount * kLineHeight + 6;
constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_TABSTOP;

constexpr auto kHeader = std::to_array<ControlTemplate>({
    {kNameNumberColumn, WindowClass::Static, "Name No.", kLabelStyle | WS_VISIBLE, 20, 8, 70, 8},
    {kAddressColumn, WindowClass::Static, "E-mail", kLabelStyle | WS_VISIBLE, 94, 8, 150, 8},
    {kTypeColumn, WindowClass::Static, "Type", kLabelStyle | WS_VISIBLE, 248, 8, 60, 8},
    {kFreeTextColumn, WindowClass::Static, "Free Text", kLabelStyle | WS_VISIBLE, 312, 8, 110, 8},
});

constexpr auto kLineControls = [] {
  std::array<ControlTemplate, kLineCount * 6> controls{};
  for (int line = 0; line < kLineCount; ++line) {
    const int y = kFirstLineY + line * kLineHeight;
    const EmailLine& ids = kLines[line];
    ControlTemplate* row = &controls[line * 6];
    row[0] = {ids.select, WindowClass::Button,
              "",         BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE,
              7,          y + 1,
              10,         10};
    row[1] = {ids.passengers, WindowClass::ComboBox, "", kListStyle, 20, y, 70, 100};
    row[2] = {ids.nameNumber, WindowClass::Edit, "", kEditStyle, 20, y, 30, 12};
    row[3] = {ids.address, WindowClass::Edit, "", kEditStyle, 94, y, 150, 12};
    row[4] = {ids.type, WindowClass::ComboBox, "", kListStyle | WS_VISIBLE, 248, y, 60, 60};
    row[5] = {ids.freeText, WindowClass::Edit, "", kEditStyle | WS_DISABLED, 312, y, 110, 12};
  }
  return controls;
}();

constexpr auto kControls =
    joinControls(kHeader, kLineControls, buttonRowAndStatusLine(kButtons, kButtonY));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 430, kButtonY + 30, kControls);

}  // namespace resources::pnr_add_email
