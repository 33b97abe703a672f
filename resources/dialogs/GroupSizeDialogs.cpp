#include "resources/dialogs/GroupSizeDialogs.h"

namespace resources {

namespace pnr_modification_git {
constexpr auto kControls = joinControls(
    labelledEdit(kNumberLabel, "No in Group:", kNumberInGroup, 8, 20), markerStyleFooter(30));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 60, kControls);
}  // namespace pnr_modification_git

namespace pnr_modification_increase {
constexpr auto kControls = joinControls(
    labelledEdit(kSeatLabel, "Seat #:", kSeatNumber, 8, 20),
    labelledEdit(kSegmentLabel, "Segment #:", kSegmentNumbers, 24, 80), markerStyleFooter(46));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 76, kControls);
}  // namespace pnr_modification_increase

namespace pnr_modification_reduce {
constexpr auto kControls = joinControls(
    labelledEdit(kPassengerCountLabel, "# Pax:", kPassengerCount, 8, 20),
    labelledEdit(kNameNumbersLabel, "Pax Name #:", kNameNumbers, 24, 180), markerStyleFooter(46));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 76, kControls);
}  // namespace pnr_modification_reduce

}  // namespace resources
