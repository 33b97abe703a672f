#pragma once
// The received-from mask.

#include "resources/DialogParts.h"

namespace resources::pnr_modification_received_from {

inline constexpr int kDialogId = 139;
inline constexpr int kReceivedFromLabel = 567;
inline constexpr int kReceivedFrom = 569;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_received_from
