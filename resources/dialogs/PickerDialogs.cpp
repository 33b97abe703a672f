#include "resources/dialogs/PickerDialogs.h"

#include "resources/DialogParts.h"

namespace resources {

namespace calendar_dialog {
constexpr auto kControls = hostedControl(kCalendar, kControlClass, 456, 130);
const platform::DialogTemplate kDialog = hostedDialog(kDialogId, "Month", kControls);
}  // namespace calendar_dialog

namespace coder_dialog {
constexpr auto kControls = hostedControl(kLookup, kControlClass, 300, 273);
const platform::DialogTemplate kDialog = hostedDialog(kDialogId, "Coder", kControls);
}  // namespace coder_dialog

}  // namespace resources
