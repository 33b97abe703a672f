#include "resources/dialogs/ModificationEmailDialog.h"

namespace resources::pnr_modification_email {
namespace {

using platform::CBS_DROPDOWNLIST;
using platform::WS_TABSTOP;

// The passenger list is hidden until the PNR's passengers are known.
constexpr auto kControls =
    joinControls(labelledEditAt(kLineLabel, "Line #:", kLineNumber, 7, 8, 62, 20),
                 labelledEditAt(kEmailLabel, "Email Address:", kEmail, 7, 24, 62, 200),
                 labelledEditAt(kFreeTextLabel, "Free Text:", kFreeText, 7, 40, 62, 150),
                 labelledEditAt(kPassengerLabel, "Pax Name/Select:", kPassenger, 7, 56, 62, 80),
                 std::to_array<ControlTemplate>({
                     {kPassengerList, WindowClass::ComboBox, "", CBS_DROPDOWNLIST | WS_TABSTOP, 72,
                      56, 120, 100},
                 }),
                 markerStyleFooter(78));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 108, kControls);

}  // namespace resources::pnr_modification_email
