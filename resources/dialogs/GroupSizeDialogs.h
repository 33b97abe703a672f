#pragma once
// The group size masks: number in group, increase and reduce.

#include "resources/DialogParts.h"

namespace resources {

namespace pnr_modification_git {
inline constexpr int kDialogId = 130;
inline constexpr int kNumberLabel = 551;
inline constexpr int kNumberInGroup = 552;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_git

namespace pnr_modification_increase {
inline constexpr int kDialogId = 154;
inline constexpr int kSeatLabel = 603;
inline constexpr int kSeatNumber = 605;
inline constexpr int kSegmentLabel = 608;
inline constexpr int kSegmentNumbers = 607;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_increase

namespace pnr_modification_reduce {
inline constexpr int kDialogId = 157;
inline constexpr int kPassengerCountLabel = 609;
inline constexpr int kPassengerCount = 610;
inline constexpr int kNameNumbersLabel = 611;
inline constexpr int kNameNumbers = 612;
extern const platform::DialogTemplate kDialog;
}  // namespace pnr_modification_reduce

}  // namespace resources
