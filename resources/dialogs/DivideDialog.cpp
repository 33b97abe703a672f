#include "resources/dialogs/DivideDialog.h"

namespace resources::pnr_modification_divide {
namespace {

using platform::BS_AUTOCHECKBOX;
using platform::ES_READONLY;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr int kFirstRowY = 20;
constexpr int kRowHeight = 14;
constexpr int kButtonY = kFirstRowY + kRowCount * kRowHeight + 6;

constexpr auto kHeader = std::to_array<ControlTemplate>({
    {kNameNumberColumnLabel, WindowClass::Static, "Name No", kLabelStyle | WS_VISIBLE, 22, 8, 40,
     8},
    {kNameColumnLabel, WindowClass::Static, "Passenger Name", kLabelStyle | WS_VISIBLE, 66, 8, 120,
     8},
});

constexpr auto kRowControls = [] {
  std::array<ControlTemplate, kRowCount * 3> controls{};
  for (int row = 0; row < kRowCount; ++row) {
    const int y = kFirstRowY + row * kRowHeight;
    controls[row * 3] = {kRows[row].check,
                         WindowClass::Button,
                         "",
                         BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE,
                         7,
                         y + 1,
                         10,
                         10};
    controls[row * 3 + 1] = {
        kRows[row].nameNumber, WindowClass::Edit, "", kEditStyle | ES_READONLY, 22, y, 40, 12};
    controls[row * 3 + 2] = {
        kRows[row].name, WindowClass::Edit, "", kEditStyle | ES_READONLY, 66, y, 200, 12};
  }
  return controls;
}();

constexpr auto kFooter = std::to_array<ControlTemplate>({
    {kDivideButton, WindowClass::Button, "Divide", kButtonStyle, 7, kButtonY, 50, 14},
    {kReduceButton, WindowClass::Button, "Reduce", kButtonStyle, 61, kButtonY, 50, 14},
    {kDisplayButton, WindowClass::Button, "OSI/SSR", kButtonStyle, 115, kButtonY, 50, 14},
    {kCancelButton, WindowClass::Button, "Cancel", kButtonStyle, 169, kButtonY, 50, 14},
    {kHelpButton, WindowClass::Button, "Help", kButtonStyle, 223, kButtonY, 50, 14},
    statusLineAt(kButtonY + 18),
});

constexpr auto kControls = joinControls(kHeader, kRowControls, kFooter);

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, kButtonY + 30, kControls);

}  // namespace resources::pnr_modification_divide
