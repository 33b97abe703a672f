#pragma once
// The e-mail creation mask.

#include "resources/DialogParts.h"

namespace resources::pnr_creation_email {

inline constexpr int kDialogId = 109;
inline constexpr int kEmailLabel = 458;
inline constexpr int kEmail = 306;
inline constexpr int kFreeTextLabel = 459;
inline constexpr int kFreeText = 308;
inline constexpr int kPassengerLabel = 460;
inline constexpr int kPassenger = 310;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_creation_email
