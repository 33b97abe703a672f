#include "resources/dialogs/ModificationPassengerDialog.h"

namespace resources::pnr_modification_passenger {
namespace {

using platform::BS_AUTORADIOBUTTON;
using platform::CBS_DROPDOWNLIST;
using platform::WS_DISABLED;
using platform::WS_GROUP;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kVisibleLabel = kLabelStyle | WS_VISIBLE;
constexpr DWORD kRadioStyle = BS_AUTORADIOBUTTON | WS_TABSTOP | WS_VISIBLE;

// The two modes are one group of radio buttons; the edits of each mode are indented below it.
constexpr auto kControls = joinControls(
    std::to_array<ControlTemplate>({
        {kNameNumberLabel, WindowClass::Static, "Name No.:", kVisibleLabel, 7, 10, 62, 8},
        {kNameNumber, WindowClass::Edit, "", kEditStyle, 72, 8, 30, 12},
        {kPassengerList, WindowClass::ComboBox, "", CBS_DROPDOWNLIST | WS_TABSTOP, 72, 8, 60, 100},
    }),
    labelledEdit(kSurnameLabel, "Surname:", kSurname, 26),
    std::to_array<ControlTemplate>({
        {kGivenNameMode, WindowClass::Button, "Given Name", kRadioStyle | WS_GROUP, 7, 44, 100, 10},
        {kGivenNameLabel, WindowClass::Static, "Given Name:", kVisibleLabel, 17, 60, 52, 8},
        {kGivenName, WindowClass::Edit, "", kEditStyle, 72, 58, 120, 12},
        {kTitleLabel, WindowClass::Static, "Title:", kVisibleLabel, 17, 76, 52, 8},
        {kTitle, WindowClass::Edit, "", kEditStyle, 72, 74, 40, 12},
        {kFreeTextMode, WindowClass::Button, "Free Text", kRadioStyle, 7, 92, 100, 10},
        {kFreeTextLabel, WindowClass::Static, "Free Text:", kVisibleLabel, 17, 108, 52, 8},
        {kFreeText, WindowClass::Edit, "", kEditStyle | WS_DISABLED, 72, 106, 200, 12},
        {kReceivedFromLabel, WindowClass::Static, "Received From:", kVisibleLabel | WS_GROUP, 7,
         128, 62, 8},
        {kReceivedFrom, WindowClass::Edit, "", kEditStyle, 72, 126, 160, 12},
    }),
    markerStyleFooter(146));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 176, kControls);

}  // namespace resources::pnr_modification_passenger
