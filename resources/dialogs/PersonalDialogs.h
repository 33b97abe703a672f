#pragma once
// The identity document masks: creation and modification.

#include "resources/DialogParts.h"

namespace resources {

namespace pnr_creation_personal {
inline constexpr int kDialogId = 118;
inline constexpr int kTypeLabel = 440;
inline constexpr int kType = 284;
inline constexpr int kNumberLabel = 442;
inline constexpr int kNumber = 286;
inline constexpr int kSurnameLabel = 443;
inline constexpr int kSurname = 288;
inline constexpr int kGivenNameLabel = 444;
inline constexpr int kGivenName = 290;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_creation_personal

namespace pnr_modification_personal {
inline constexpr int kDialogId = 148;
// The line number's label control is not in the template; a plain label names the row.
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kTypeLabel = 574;
inline constexpr int kType = 575;
inline constexpr int kNumberLabel = 576;
inline constexpr int kNumber = 577;
inline constexpr int kSurnameLabel = 578;
inline constexpr int kSurname = 579;
inline constexpr int kGivenNameLabel = 580;
inline constexpr int kGivenName = 581;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_personal

}  // namespace resources
