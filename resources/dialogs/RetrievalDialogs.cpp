#include "resources/dialogs/RetrievalDialogs.h"

namespace resources {

namespace pnr_retrieval {
namespace {

using platform::WS_VISIBLE;

constexpr int kLeftLabel = 7;
constexpr int kLeftEdit = 78;
constexpr int kRightLabel = 200;
constexpr int kRightEdit = 268;
constexpr DWORD kListStyle =
    platform::CBS_DROPDOWNLIST | platform::WS_VSCROLL | platform::WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kRadioStyle = platform::BS_AUTORADIOBUTTON | platform::WS_TABSTOP | WS_VISIBLE;

// A label and its edit on one row of a column.
constexpr std::array<ControlTemplate, 2> row(int labelId, std::string_view label, int editId,
                                             int labelX, int editX, int y, int editWidth) {
  return {{{labelId, WindowClass::Static, label, kLabelStyle | WS_VISIBLE, labelX, y + 2,
            editX - labelX - 4, 8},
           {editId, WindowClass::Edit, "", kEditStyle, editX, y, editWidth, 12}}};
}

constexpr std::array<ControlTemplate, 2> leftRow(int labelId, std::string_view label, int editId,
                                                 int y, int editWidth) {
  return row(labelId, label, editId, kLeftLabel, kLeftEdit, y, editWidth);
}

constexpr std::array<ControlTemplate, 2> rightRow(int labelId, std::string_view label, int editId,
                                                  int y, int editWidth) {
  return row(labelId, label, editId, kRightLabel, kRightEdit, y, editWidth);
}

// The mode list across the top; the record, ticket and name fields on the left; the flight
// fields on the right; the manifest type and the secondary code at the bottom.
constexpr auto kControls = joinControls(
    std::array<ControlTemplate, 2>{{
        {kModeLabel, WindowClass::Static, "Retrieve PNR:", kLabelStyle | WS_VISIBLE, kLeftLabel, 9,
         67, 8},
        {kMode, WindowClass::ComboBox, "", kListStyle, kLeftEdit, 7, 150, 120},
    }},
    leftRow(kLocatorLabel, "PNR Locator:", kLocator, 26, 50),
    leftRow(kTicketLabel, "Ticket No.:", kTicket, 42, 70),
    leftRow(kSurnameLabel, "Surname:", kSurname, 58, 110),
    leftRow(kGivenNameLabel, "Given Name:", kGivenName, 74, 110),
    leftRow(kGroupNameLabel, "Group Name:", kGroupName, 90, 110),
    leftRow(kPccLabel, "PCC:", kPcc, 106, 30), leftRow(kStatusLabel, "Status:", kStatus, 122, 20),
    rightRow(kCarrierLabel, "Carrier Code:", kCarrier, 26, 24),
    rightRow(kFlightLabel, "Flight No.:", kFlight, 42, 40),
    rightRow(kDateLabel, "Departure Date:", kDate, 58, 36),
    rightRow(kFromCityLabel, "From:", kFromCity, 74, 26),
    rightRow(kToCityLabel, "To:", kToCity, 90, 26),
    rightRow(kGroupCarrierLabel, "Group Carrier:", kGroupCarrier, 106, 24),
    rightRow(kClassLabel, "Class:", kClass, 122, 20),
    std::array<ControlTemplate, 5>{{
        {kManifestLabel, WindowClass::Static, "Manifest Type:", kLabelStyle | WS_VISIBLE,
         kLeftLabel, 142, 67, 8},
        {kManifestFit, WindowClass::Button, "FIT", kRadioStyle | platform::WS_GROUP, kLeftEdit, 140,
         40, 12},
        {kManifestGit, WindowClass::Button, "GIT", kRadioStyle, kLeftEdit + 44, 140, 40, 12},
        {kSecondaryCodeLabel, WindowClass::Static, "Secondary Code:", kLabelStyle | WS_VISIBLE,
         kRightLabel, 142, 64, 8},
        {kSecondaryCode, WindowClass::ComboBox, "", kListStyle, kRightEdit, 140, 40, 90},
    }},
    buttonRowAndStatusLine(kButtons, 164));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 340, 196, kControls);
}  // namespace pnr_retrieval

}  // namespace resources
