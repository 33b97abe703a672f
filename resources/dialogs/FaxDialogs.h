#pragma once
// The fax number masks: creation and modification.

#include "resources/DialogParts.h"

namespace resources {

namespace pnr_creation_fax {
inline constexpr int kDialogId = 121;
inline constexpr int kFaxLabel = 457;
inline constexpr int kFaxNumber = 304;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_creation_fax

namespace pnr_modification_fax {
inline constexpr int kDialogId = 136;
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kFaxLabel = 568;
inline constexpr int kFaxNumber = 566;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_fax

}  // namespace resources
