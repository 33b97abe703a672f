#include "resources/dialogs/PickerDialogs.h"

#include <array>

#include "resources/DialogParts.h"

namespace resources {

using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

namespace calendar_dialog {
constexpr std::array<ControlTemplate, 1> kControls{{
    {kCalendar, WindowClass::Hosted, "", WS_TABSTOP | WS_VISIBLE, 0, 0, 456, 130, kControlClass},
}};
const platform::DialogTemplate kDialog{
    kDialogId, "Month", 456, 130, platform::DS_SETFONT, kMaskFont, kMaskFontSize, kControls};
}  // namespace calendar_dialog

namespace coder_dialog {
constexpr std::array<ControlTemplate, 1> kControls{{
    {kLookup, WindowClass::Hosted, "", WS_TABSTOP | WS_VISIBLE, 0, 0, 300, 273, kControlClass},
}};
const platform::DialogTemplate kDialog{
    kDialogId, "Coder", 300, 273, platform::DS_SETFONT, kMaskFont, kMaskFontSize, kControls};
}  // namespace coder_dialog

}  // namespace resources
