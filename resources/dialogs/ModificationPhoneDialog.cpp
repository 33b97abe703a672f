#include "resources/dialogs/ModificationPhoneDialog.h"

namespace resources::pnr_modification_phone {
namespace {

using platform::WS_DISABLED;
using platform::WS_VISIBLE;

constexpr int kNumberRow = 40;

// The five numbers share one row; none shows until a kind is chosen.
constexpr auto kNumberControls = [] {
  constexpr std::array<std::string_view, kNumbers.size()> kLabels{
      "Agency Tel:", "Business Tel:", "Home No.:", "Mobile No.:", "Fax No.:"};
  std::array<ControlTemplate, 2 * kNumbers.size()> controls{};
  for (std::size_t kind = 0; kind < kNumbers.size(); ++kind) {
    controls[2 * kind] = {kNumbers[kind].label,
                          WindowClass::Static,
                          kLabels[kind],
                          kLabelStyle,
                          7,
                          kNumberRow + 2,
                          62,
                          8};
    controls[2 * kind + 1] = {kNumbers[kind].edit,
                              WindowClass::Edit,
                              "",
                              kEditStyle & ~WS_VISIBLE,
                              72,
                              kNumberRow,
                              180,
                              12};
  }
  return controls;
}();

constexpr DWORD kDisabledEdit = kEditStyle | WS_DISABLED;
constexpr DWORD kDisabledLabel = kLabelStyle | WS_VISIBLE | WS_DISABLED;

constexpr auto kControls = joinControls(
    labelledComboAt(kTypeLabel, "Type:", kType, 7, 8, 62, 120, kListComboStyle),
    labelledEditAt(kLineLabel, "Line #:", kLineNumber, 7, 24, 62, 20), kNumberControls,
    std::to_array<ControlTemplate>({
        {kAgencyNameLabel, WindowClass::Static, "Agency Name:", kDisabledLabel, 7, 58, 62, 8},
        {kAgencyName, WindowClass::Edit, "", kDisabledEdit, 72, 56, 180, 12},
        {kAgentNameLabel, WindowClass::Static, "Agent Name:", kDisabledLabel, 7, 74, 62, 8},
        {kAgentName, WindowClass::Edit, "", kDisabledEdit, 72, 72, 90, 12},
        {kPersonLabel, WindowClass::Static, "Contact Person:", kDisabledLabel, 7, 90, 62, 8},
        {kPerson, WindowClass::Edit, "", kDisabledEdit, 72, 88, 120, 12},
    }),
    markerStyleFooter(110));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 140, kControls);

}  // namespace resources::pnr_modification_phone
