#include "resources/dialogs/ModificationAddressDialog.h"

namespace resources::pnr_modification_address {
namespace {

using platform::WS_VISIBLE;

constexpr auto kControls = joinControls(
    labelledComboAt(kTypeLabel, "Type:", kType, 7, 8, 62, 120, kListComboStyle),
    labelledEditAt(kLineLabel, "Line #:", kLineNumber, 7, 24, 62, 20),
    std::to_array<ControlTemplate>({
        {kAgencyLine, WindowClass::ComboBox, "", kListComboStyle & ~WS_VISIBLE, 72, 24, 120, 80},
        {kAgencyNameLabel, WindowClass::Static, "Agency Name:", kLabelStyle, 7, 42, 62, 8},
        {kAgencyName, WindowClass::Edit, "", kEditStyle & ~WS_VISIBLE, 72, 40, 200, 12},
        {kAddressLabel, WindowClass::Static, "Address:", kLabelStyle, 7, 42, 62, 8},
        {kAddress, WindowClass::Edit, "", kEditStyle & ~WS_VISIBLE, 72, 40, 200, 12},
    }),
    markerStyleFooter(62));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 92, kControls);

}  // namespace resources::pnr_modification_address
