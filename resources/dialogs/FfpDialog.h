#pragma once
// The frequent-flyer card choice of the individual creation mask: when a traveller holds
// several cards that the booked airlines honour, the agent picks the one to write.

#include "platform/window/DialogTemplate.h"

namespace resources::ffp_dialog {

inline constexpr int kDialogId = 855;
// "LAB_FFP_MSG1" and the traveller's name in double quotes; then "LAB_FFP_MSG2".
inline constexpr int kFirstLine = 863;
inline constexpr int kSecondLine = 864;
// The cards, one entry each, in the order of the traveller's profile.
inline constexpr int kCards = 865;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::ffp_dialog
