#include "resources/dialogs/AddPaxDialog.h"

#include "resources/DialogParts.h"

namespace resources::create_add_pax {
namespace {

constexpr auto kControls = hostedControl(kAddPax, kControlClass, 428, 242);

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 428, 242, kControls);

}  // namespace resources::create_add_pax
