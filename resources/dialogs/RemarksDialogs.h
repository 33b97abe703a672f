#pragma once
// The remarks masks: creation and modification.

#include "resources/DialogParts.h"

namespace resources {

namespace pnr_creation_remarks {
inline constexpr int kDialogId = 115;
inline constexpr int kTypeLabel = 437;
inline constexpr int kType = 272;
inline constexpr int kSegmentLabel = 438;
inline constexpr int kSegment = 274;
inline constexpr int kRemarkLabel = 439;
inline constexpr int kRemark = 276;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_creation_remarks

namespace pnr_modification_remarks {
inline constexpr int kDialogId = 145;
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kTypeLabel = 587;
inline constexpr int kType = 588;
inline constexpr int kSegmentLabel = 589;
inline constexpr int kSegment = 590;
inline constexpr int kRemarkLabel = 591;
inline constexpr int kRemark = 592;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_remarks

}  // namespace resources
