#pragma once
// The e-mail modification mask: the line of the e-mail element, its new address and free
// text, and the passenger (a name, or a list of the PNR's passengers in its place).

#include "resources/DialogParts.h"

namespace resources::pnr_modification_email {

inline constexpr int kDialogId = 142;
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kEmailLabel = 570;
inline constexpr int kEmail = 572;
inline constexpr int kFreeTextLabel = 571;
inline constexpr int kFreeText = 554;
inline constexpr int kPassengerLabel = 573;
inline constexpr int kPassenger = 556;
inline constexpr int kPassengerList = 656;  // over the passenger

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_email
