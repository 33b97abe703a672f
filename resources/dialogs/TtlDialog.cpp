#include "resources/dialogs/TtlDialog.h"

namespace resources::pnr_modification_ttl {

constexpr DWORD kVisibleLabel = kLabelStyle | platform::WS_VISIBLE;
constexpr int kRow = 26;

constexpr std::array<ControlTemplate, 7> kTicketingRow{{
    {kDateLabel, WindowClass::Static, "Date:", kVisibleLabel, 40, kRow + 2, 50, 8},
    {kTicketLabel, WindowClass::Static, "Ticket #", kVisibleLabel, 40, kRow + 2, 50, 8},
    {kDate, WindowClass::Edit, "", kEditStyle, 98, kRow, 38, 12},
    {kQueueLabel, WindowClass::Static, "Queue #:", kVisibleLabel, 158, kRow + 2, 59, 8},
    {kQueue, WindowClass::Edit, "", kEditStyle, 224, kRow, 27, 12},
    {kSegmentLabel, WindowClass::Static, "Seg #:", kVisibleLabel, 305, kRow + 2, 31, 8},
    {kSegment, WindowClass::Edit, "", kEditStyle, 337, kRow, 53, 12},
}};

constexpr auto kControls = joinControls(
    labelledComboAt(kTypeLabel, "Ticketing Time Limit:", kType, 7, 8, 80, 50, kListComboStyle),
    kTicketingRow, markerStyleFooter(48));
const platform::DialogTemplate kDialog = maskDialog(kDialogId, 400, 78, kControls);

}  // namespace resources::pnr_modification_ttl
