#pragma once
// The modify group name mask: the group name and its own row of buttons.

#include "resources/DialogParts.h"

namespace resources::pnr_modify_group_name {

inline constexpr int kDialogId = 178;
inline constexpr int kGroupNameLabel = 750;
inline constexpr int kGroupName = 751;
inline constexpr ButtonIds kButtons{752, 753, 754, 755, 756};

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modify_group_name
