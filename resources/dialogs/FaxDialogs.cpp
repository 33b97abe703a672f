#include "resources/dialogs/FaxDialogs.h"

namespace resources {

namespace pnr_creation_fax {
constexpr auto kControls =
    joinControls(labelledEdit(kFaxLabel, "Fax No.:", kFaxNumber, 8, 180), markerStyleFooter(30));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 60, kControls);
}  // namespace pnr_creation_fax

namespace pnr_modification_fax {
constexpr auto kControls = joinControls(labelledEdit(kLineLabel, "Line #:", kLineNumber, 8, 20),
                                        labelledEdit(kFaxLabel, "Fax Number:", kFaxNumber, 24, 180),
                                        markerStyleFooter(46));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 76, kControls);
}  // namespace pnr_modification_fax

}  // namespace resources
