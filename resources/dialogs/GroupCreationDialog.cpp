#include "resources/dialogs/GroupCreationDialog.h"

namespace resources::pnr_creation_git {
namespace {

using platform::BS_AUTOCHECKBOX;
using platform::BS_GROUPBOX;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kVisibleLabel = kLabelStyle | WS_VISIBLE;

constexpr ControlTemplate label(int id, std::string_view text, int x, int y, int width = 60) {
  return {id, WindowClass::Static, text, kVisibleLabel, x, y + 2, width, 8};
}
constexpr ControlTemplate edit(int id, int x, int y, int width) {
  return {id, WindowClass::Edit, "", kEditStyle, x, y, width, 12};
}
constexpr ControlTemplate check(int id, std::string_view text, int x, int y, int width) {
  return {id, WindowClass::Button, text, BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, x, y, width,
          10};
}
constexpr ControlTemplate list(int id, DWORD style, int x, int y, int width) {
  return {id, WindowClass::ComboBox, "", style, x, y, width, 60};
}

constexpr auto kHeader = std::to_array<ControlTemplate>({
    label(kTypeLabel, "PNR Type:", 7, 8),
    list(kType, kListComboStyle, 72, 8, 110),
    label(kCarrierCodeLabel, "Carrier Code:", 7, 24),
    edit(kCarrierCode, 72, 24, 24),
    label(kNumberInGroupLabel, "No. in Group:", 110, 24, 50),
    edit(kNumberInGroup, 162, 24, 20),
    label(kGroupNameLabel, "Group Name:", 7, 40),
    edit(kGroupName, 72, 40, 160),
    label(kWithOrganiserLabel, "With Organiser", 7, 56),
    check(kWithOrganiser, "", 72, 56, 12),
    label(kBookingOfficeLabel, "Booking Office:", 90, 56, 54),
    edit(kBookingOffice, 146, 56, 24),
    label(kTravelAgentLabel, "Travel Agent:", 7, 72),
    edit(kTravelAgent, 72, 72, 24),
    label(kDestinationLink, "Destination:", 110, 72, 50),
    edit(kDestination, 162, 72, 24),
});

constexpr auto kContact = std::to_array<ControlTemplate>({
    {kContactFrame, WindowClass::Button, "Customer Info", BS_GROUPBOX | WS_VISIBLE, 244, 4, 200,
     64},
    label(kContactPersonLabel, "Contact Person:", 250, 16, 66),
    edit(kContactPerson, 320, 16, 118),
    label(kBusinessPhoneLabel, "Business Tel:", 250, 32, 66),
    edit(kBusinessPhone, 320, 32, 118),
    label(kHomePhoneLabel, "Home No.:", 250, 48, 66),
    edit(kHomePhone, 320, 48, 118),
    {kAddPassenger, WindowClass::Button, "Add Passenger", kButtonStyle, 244, 72, 70, 14},
});

constexpr int kTtlRow = 92;
constexpr auto kTicketingAndAgency = std::to_array<ControlTemplate>({
    label(kTtl.label, "Ticketing:", 7, kTtlRow),
    list(kTtl.type, kListComboStyle, 72, kTtlRow, 60),
    label(kTtl.dateLabel, "Date:", 140, kTtlRow, 30),
    label(kTtl.ticketLabel, "Ticket #", 140, kTtlRow, 30),
    edit(kTtl.date, 172, kTtlRow, 40),
    label(kTtl.queueLabel, "Queue #:", 220, kTtlRow, 34),
    edit(kTtl.queue, 256, kTtlRow, 30),
    label(kTtl.segmentLabel, "Seg #:", 294, kTtlRow, 26),
    edit(kTtl.segment, 322, kTtlRow, 50),
    label(kReceivedFromLabel, "Received From:", 7, 110),
    edit(kReceivedFrom, 72, 110, 150),
    check(kCopyFromDoss, "Copy from DOSS", 7, 128, 90),
    label(kAgency.nameLabel, "Agency Name:", 7, 142),
    edit(kAgency.name, 72, 142, 220),
    label(kAgency.telephoneLabel, "Agency Tel:", 7, 158),
    edit(kAgency.telephone, 72, 158, 120),
    label(kAgency.agentLabel, "Agent Name:", 7, 174),
    edit(kAgency.agent, 72, 174, 120),
    label(kAgency.addressLabel, "Address:", 7, 190),
    edit(kAgency.lines[0], 72, 190, 220),
    edit(kAgency.lines[1], 72, 204, 220),
    edit(kAgency.lines[2], 72, 218, 220),
    edit(kAgency.lines[3], 72, 232, 220),
    edit(kAgency.lines[4], 72, 246, 220),
    {kAgency.lines[5], WindowClass::Edit, "", kEditStyle & ~WS_VISIBLE, 72, 260, 220, 12},
});

constexpr auto kControls =
    joinControls(kHeader, kContact, kTicketingAndAgency, markerStyleFooter(278));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 450, 310, kControls);

}  // namespace resources::pnr_creation_git
