#include "resources/dialogs/HostedDialogs.h"

#include "resources/DialogParts.h"

namespace resources {

namespace add_passenger_dialog {
constexpr auto kControls = hostedControl(kControl, kControlClass, 428, 242);
const platform::DialogTemplate kDialog = hostedDialog(kDialogId, "Add Passenger", kControls);
}  // namespace add_passenger_dialog

namespace travel_policy_dialog {
constexpr auto kControls = hostedControl(kControl, kControlClass, 320, 180);
const platform::DialogTemplate kDialog = hostedDialog(kDialogId, "Travel Policy Record", kControls);
}  // namespace travel_policy_dialog

namespace traveller_profile_dialog {
constexpr auto kControls = hostedControl(kControl, kControlClass, 400, 220);
const platform::DialogTemplate kDialog = hostedDialog(kDialogId, "DOSS", kControls);
}  // namespace traveller_profile_dialog

}  // namespace resources
