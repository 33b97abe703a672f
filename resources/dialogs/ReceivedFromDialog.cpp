#include "resources/dialogs/ReceivedFromDialog.h"

namespace resources::pnr_modification_received_from {

constexpr auto kControls =
    joinControls(labelledEdit(kReceivedFromLabel, "Received From:", kReceivedFrom, 8, 130),
                 markerStyleFooter(30));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 60, kControls);

}  // namespace resources::pnr_modification_received_from
