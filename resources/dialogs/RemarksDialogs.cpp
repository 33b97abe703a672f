#include "resources/dialogs/RemarksDialogs.h"

namespace resources {

namespace pnr_creation_remarks {
constexpr auto kControls =
    joinControls(labelledComboAt(kTypeLabel, "Type:", kType, 7, 8, 62, 80),
                 labelledEdit(kSegmentLabel, "Seg #:", kSegment, 24, 20),
                 labelledEdit(kRemarkLabel, "Remark:", kRemark, 40, 200), markerStyleFooter(62));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 92, kControls);
}  // namespace pnr_creation_remarks

namespace pnr_modification_remarks {
constexpr auto kControls =
    joinControls(labelledEdit(kLineLabel, "Line #:", kLineNumber, 8, 20),
                 labelledComboAt(kTypeLabel, "Type:", kType, 7, 24, 62, 80),
                 labelledEdit(kSegmentLabel, "Seg #:", kSegment, 40, 20),
                 labelledEdit(kRemarkLabel, "Remark:", kRemark, 56, 200), markerStyleFooter(78));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 108, kControls);
}  // namespace pnr_modification_remarks

}  // namespace resources
