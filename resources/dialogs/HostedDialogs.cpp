#include "resources/dialogs/HostedDialogs.h"

#include <array>

#include "resources/DialogParts.h"

namespace resources {

using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

namespace add_passenger_dialog {
constexpr std::array<ControlTemplate, 1> kControls{{
    {kControl, WindowClass::Hosted, "", WS_TABSTOP | WS_VISIBLE, 0, 0, 428, 242, kControlClass},
}};
const platform::DialogTemplate kDialog{
    kDialogId, "Add Passenger", 428,      242, platform::DS_SETFONT,
    kMaskFont, kMaskFontSize,   kControls};
}  // namespace add_passenger_dialog

namespace travel_policy_dialog {
constexpr std::array<ControlTemplate, 1> kControls{{
    {kControl, WindowClass::Hosted, "", WS_TABSTOP | WS_VISIBLE, 0, 0, 320, 180, kControlClass},
}};
const platform::DialogTemplate kDialog{
    kDialogId, "Travel Policy Record", 320,      180, platform::DS_SETFONT,
    kMaskFont, kMaskFontSize,          kControls};
}  // namespace travel_policy_dialog

namespace traveller_profile_dialog {
constexpr std::array<ControlTemplate, 1> kControls{{
    {kControl, WindowClass::Hosted, "", WS_TABSTOP | WS_VISIBLE, 0, 0, 400, 220, kControlClass},
}};
const platform::DialogTemplate kDialog{
    kDialogId, "DOSS", 400, 220, platform::DS_SETFONT, kMaskFont, kMaskFontSize, kControls};
}  // namespace traveller_profile_dialog

}  // namespace resources
