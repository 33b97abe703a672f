#include "resources/dialogs/GroupCreationDialog.h"

namespace resources::pnr_creation_git {
namespace {

using platform::BS_GROUPBOX;
using platform::WS_VISIBLE;

constexpr auto kHeader = std::to_array<ControlTemplate>({
    labelAt(kTypeLabel, "PNR Type:", 7, 8),
    comboAt(kType, kListComboStyle, 72, 8, 110),
    labelAt(kCarrierCodeLabel, "Carrier Code:", 7, 24),
    editAt(kCarrierCode, 72, 24, 24),
    labelAt(kNumberInGroupLabel, "No. in Group:", 110, 24, 50),
    editAt(kNumberInGroup, 162, 24, 20),
    labelAt(kGroupNameLabel, "Group Name:", 7, 40),
    editAt(kGroupName, 72, 40, 160),
    labelAt(kWithOrganiserLabel, "With Organiser", 7, 56),
    compactCheckBoxAt(kWithOrganiser, "", 72, 56, 12),
    labelAt(kBookingOfficeLabel, "Booking Office:", 90, 56, 54),
    editAt(kBookingOffice, 146, 56, 24),
    labelAt(kTravelAgentLabel, "Travel Agent:", 7, 72),
    editAt(kTravelAgent, 72, 72, 24),
    labelAt(kDestinationLink, "Destination:", 110, 72, 50),
    editAt(kDestination, 162, 72, 24),
});

constexpr auto kContact = std::to_array<ControlTemplate>({
    {kContactFrame, WindowClass::Button, "Customer Info", BS_GROUPBOX | WS_VISIBLE, 244, 4, 200,
     64},
    labelAt(kContactPersonLabel, "Contact Person:", 250, 16, 66),
    editAt(kContactPerson, 320, 16, 118),
    labelAt(kBusinessPhoneLabel, "Business Tel:", 250, 32, 66),
    editAt(kBusinessPhone, 320, 32, 118),
    labelAt(kHomePhoneLabel, "Home No.:", 250, 48, 66),
    editAt(kHomePhone, 320, 48, 118),
    {kAddPassenger, WindowClass::Button, "Add Passenger", kButtonStyle, 244, 72, 70, 14},
});

// The type on its line, the row the field arranges on the next, so that the ticket number form
// lies clear of the type list.
constexpr auto kTicketing = creation::ticketingRow({7, 92, kListComboStyle, 60});
// The group's address has five lines.
constexpr auto kAgencyBlock = creation::receivedFromAndAgency(7, 126, 5);

constexpr auto kControls =
    joinControls(kHeader, kContact, kTicketing, kAgencyBlock, markerStyleFooter(294));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 450, 326, kControls);

}  // namespace resources::pnr_creation_git
