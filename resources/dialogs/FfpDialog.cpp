#include "resources/dialogs/FfpDialog.h"

#include <array>

#include "resources/DialogParts.h"

namespace resources::ffp_dialog {
namespace {

using platform::BS_DEFPUSHBUTTON;
using platform::WS_VISIBLE;

constexpr std::array<ControlTemplate, 5> kControls{{
    {kFirstLine, WindowClass::Static, "", kLabelStyle | WS_VISIBLE, 7, 7, 186, 8},
    {kSecondLine, WindowClass::Static, "", kLabelStyle | WS_VISIBLE, 7, 19, 186, 8},
    {kCards, WindowClass::ComboBox, "", kListComboStyle, 7, 33, 186, 60},
    {kOk, WindowClass::Button, "OK", BS_DEFPUSHBUTTON | kButtonStyle, 89, 54, 50, 14},
    {kCancel, WindowClass::Button, "Cancel", kButtonStyle, 143, 54, 50, 14},
}};

}  // namespace

const platform::DialogTemplate kDialog{
    kDialogId, "Frequent Flyer", 200,      75, platform::DS_SETFONT,
    kMaskFont, kMaskFontSize,    kControls};

}  // namespace resources::ffp_dialog
