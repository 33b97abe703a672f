#include "resources/dialogs/EmailDialog.h"

namespace resources::pnr_creation_email {

constexpr auto kControls =
    joinControls(labelledEditAt(kEmailLabel, "Email Address:", kEmail, 7, 8, 62, 200),
                 labelledEditAt(kFreeTextLabel, "Free Text:", kFreeText, 7, 24, 62, 150),
                 labelledEditAt(kPassengerLabel, "Pax Name/Select:", kPassenger, 7, 40, 62, 80),
                 markerStyleFooter(62));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 92, kControls);

}  // namespace resources::pnr_creation_email
