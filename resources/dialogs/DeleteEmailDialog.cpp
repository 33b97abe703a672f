#include "resources/dialogs/DeleteEmailDialog.h"

namespace resources::pnr_delete_email {
namespace {

using platform::BS_AUTORADIOBUTTON;
using platform::WS_GROUP;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kRadioStyle = BS_AUTORADIOBUTTON | WS_TABSTOP | WS_VISIBLE;

constexpr auto kModes = std::to_array<ControlTemplate>({
    {kSpecificMode, WindowClass::Button, "Specific", kRadioStyle | WS_GROUP, 7, 8, 60, 10},
    {kSpecificLine, WindowClass::Edit, "", kEditStyle, 72, 7, 20, 12},
    {kRangeMode, WindowClass::Button, "Range", kRadioStyle, 7, 26, 60, 10},
    {kRangeFirst, WindowClass::Edit, "", kEditStyle, 72, 25, 24, 12},
    {kRangeToLabel, WindowClass::Static, "to", kLabelStyle | WS_VISIBLE, 100, 27, 12, 8},
    {kRangeLast, WindowClass::Edit, "", kEditStyle, 114, 25, 24, 12},
    {kMultipleMode, WindowClass::Button, "Multiple", kRadioStyle, 7, 44, 60, 10},
});

constexpr auto kMultipleEdits = [] {
  std::array<ControlTemplate, kMultipleLines.size()> edits{};
  for (std::size_t index = 0; index < kMultipleLines.size(); ++index) {
    edits[index] = {kMultipleLines[index],
                    WindowClass::Edit,
                    "",
                    kEditStyle,
                    72 + static_cast<int>(index) * 22,
                    43,
                    18,
                    12};
  }
  return edits;
}();

constexpr auto kControls =
    joinControls(kModes, kMultipleEdits, buttonRowAndStatusLine(kButtons, 64));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 300, 94, kControls);

}  // namespace resources::pnr_delete_email
