#include "resources/dialogs/ModifyGroupNameDialog.h"

namespace resources::pnr_modify_group_name {
namespace {

constexpr auto kControls =
    joinControls(labelledEdit(kGroupNameLabel, "Group Name:", kGroupName, 8, 180),
                 buttonRowAndStatusLine(kButtons, 30));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 60, kControls);

}  // namespace resources::pnr_modify_group_name
