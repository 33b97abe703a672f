#include "resources/dialogs/AddPhoneFaxDialog.h"

namespace resources::pnr_add_phone_fax {
namespace {

using platform::CBS_DROPDOWNLIST;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kVisibleLabel = kLabelStyle | WS_VISIBLE;
constexpr int kNumberRow = 26;
// The agency name and the contact person share a row: a kind shows one or the other.
constexpr int kNameRow = 44;
constexpr int kAgentRow = 62;

constexpr auto kTypeRow = std::to_array<ControlTemplate>({
    {kTypeLabel, WindowClass::Static, "Type:", kVisibleLabel, 7, 10, 62, 8},
    {kType, WindowClass::ComboBox, "", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VISIBLE, 72, 8, 120, 80},
});

constexpr auto kNumberLabelControls = [] {
  std::array<ControlTemplate, kNumberLabels.size()> labels{};
  for (std::size_t kind = 0; kind < kNumberLabels.size(); ++kind) {
    labels[kind] = {kNumberLabels[kind],
                    WindowClass::Static,
                    kNumberLabels[kind] == kFaxNumberLabel ? "Fax No.:" : "Phone No.:",
                    kind == 0 ? kVisibleLabel : kLabelStyle,
                    7,
                    kNumberRow + 2,
                    62,
                    8};
  }
  return labels;
}();

constexpr auto kNames = std::to_array<ControlTemplate>({
    {kNumber, WindowClass::Edit, "", kEditStyle, 72, kNumberRow, 180, 12},
    {kAgencyNameLabel, WindowClass::Static, "Agency Name:", kVisibleLabel, 7, kNameRow + 2, 62, 8},
    {kAgencyName, WindowClass::Edit, "", kEditStyle, 72, kNameRow, 180, 12},
    {kAgentNameLabel, WindowClass::Static, "Agent Name:", kVisibleLabel, 7, kAgentRow + 2, 62, 8},
    {kAgentName, WindowClass::Edit, "", kEditStyle, 72, kAgentRow, 90, 12},
    {kContactPersonLabel, WindowClass::Static, "Contact Person:", kLabelStyle, 7, kNameRow + 2, 62,
     8},
    {kContactPerson, WindowClass::Edit, "", kEditStyle & ~WS_VISIBLE, 72, kNameRow, 120, 12},
});

constexpr auto kControls =
    joinControls(kTypeRow, kNumberLabelControls, kNames, buttonRowAndStatusLine(kButtons, 84));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 280, 114, kControls);

}  // namespace resources::pnr_add_phone_fax
