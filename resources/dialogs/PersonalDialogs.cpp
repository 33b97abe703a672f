#include "resources/dialogs/PersonalDialogs.h"

namespace resources {

namespace pnr_creation_personal {
constexpr auto kControls = joinControls(
    labelledComboAt(kTypeLabel, "Type:", kType, 7, 8, 62, 90),
    labelledEdit(kNumberLabel, "ID #:", kNumber, 24, 100),
    labelledEdit(kSurnameLabel, "Surname:", kSurname, 40, 150),
    labelledEdit(kGivenNameLabel, "Given Name:", kGivenName, 56, 150), markerStyleFooter(78));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 108, kControls);
}  // namespace pnr_creation_personal

namespace pnr_modification_personal {
constexpr std::array<ControlTemplate, 1> kLineNumberEdit{
    {{kLineNumber, WindowClass::Edit, "", kEditStyle, 72, 8, 20, 12}}};
constexpr auto kControls = joinControls(
    plainLabelAt("Line #:", 7, 8, 62), kLineNumberEdit,
    labelledComboAt(kTypeLabel, "Type:", kType, 7, 24, 62, 90),
    labelledEdit(kNumberLabel, "ID #:", kNumber, 40, 100),
    labelledEdit(kSurnameLabel, "Surname:", kSurname, 56, 150),
    labelledEdit(kGivenNameLabel, "Given Name:", kGivenName, 72, 150), markerStyleFooter(94));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 124, kControls);
}  // namespace pnr_modification_personal

}  // namespace resources
