#include "resources/dialogs/FitDialog.h"

namespace resources::pnr_creation_fit {
namespace {

using platform::BS_AUTOCHECKBOX;
using platform::BS_GROUPBOX;
using platform::CBS_DROPDOWN;
using platform::CBS_DROPDOWNLIST;
using platform::CBS_UPPERCASE;
using platform::ES_AUTOHSCROLL;
using platform::WS_BORDER;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kVisibleLabel = kLabelStyle | WS_VISIBLE;
constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kTypeComboStyle = CBS_DROPDOWN | CBS_UPPERCASE | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kCheckStyle = BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kFrameStyle = BS_GROUPBOX | WS_VISIBLE;
// E-mail texts keep their letter case.
constexpr DWORD kMixedCaseEditStyle = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;

constexpr ControlTemplate label(int id, std::string_view text, int x, int y, int width = 60) {
  return {id, WindowClass::Static, text, kVisibleLabel, x, y + 2, width, 8};
}
constexpr ControlTemplate edit(int id, int x, int y, int width) {
  return {id, WindowClass::Edit, "", kEditStyle, x, y, width, 12};
}
constexpr ControlTemplate check(int id, std::string_view text, int x, int y, int width) {
  return {id, WindowClass::Button, text, kCheckStyle, x, y, width, 10};
}
constexpr ControlTemplate button(int id, std::string_view text, int x, int y, int width) {
  return {id, WindowClass::Button, text, kButtonStyle, x, y, width, 12};
}
constexpr ControlTemplate frame(int id, std::string_view text, int x, int y, int width,
                                int height) {
  return {id, WindowClass::Button, text, kFrameStyle, x, y, width, height};
}
constexpr ControlTemplate list(int id, DWORD style, int x, int y, int width) {
  return {id, WindowClass::ComboBox, "", style, x, y, width, 60};
}

// The passenger rows and their column headers.
constexpr int kFirstRowY = 42;
constexpr int kRowHeight = 13;
constexpr std::string_view kRowNumbers[] = {"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9."};

constexpr auto kCustomer = std::to_array<ControlTemplate>({
    frame(kCustomerFrame, "Customer", 4, 2, 599, 162),
    label(kCustomerSourceLabel, "Customer Source:", 10, 12),
    list(kCustomerSource, kListStyle, 72, 12, 90),
    button(kAddPassenger, "Add Passenger", 170, 12, 70),
    label(kSurnameHeader, "Surname", 22, 28),
    label(kGivenNameHeader, "Given Name", 150, 28),
    label(kTitleHeader, "Title", 278, 28, 40),
    label(kPtcHeader, "PTC", 322, 28, 40),
    label(kOthersHeader, "Others", 396, 28, 30),
    label(kAgeHeader, "Age", 430, 28, 20),
});

constexpr auto kRowControls = [] {
  std::array<ControlTemplate, kRows.size() * 9> controls{};
  std::size_t next = 0;
  for (std::size_t row = 0; row < kRows.size(); ++row) {
    const PassengerRowIds& ids = kRows[row];
    const int y = kFirstRowY + static_cast<int>(row) * kRowHeight;
    controls[next++] = label(kFirstRowNumber + static_cast<int>(row), kRowNumbers[row], 8, y, 12);
    controls[next++] = edit(ids.surname, 22, y, 108);
    controls[next++] = button(ids.surnameLookup, "...", 132, y, 14);
    controls[next++] = edit(ids.givenName, 150, y, 108);
    controls[next++] = button(ids.givenNameLookup, "...", 260, y, 14);
    controls[next++] = edit(ids.title, 278, y, 40);
    controls[next++] = list(ids.ptc, kListStyle, 322, y, 70);
    controls[next++] = edit(ids.others, 396, y, 30);
    controls[next++] = edit(ids.age, 430, y, 20);
  }
  return controls;
}();

constexpr auto kBilling = std::to_array<ControlTemplate>({
    check(kBillToCompany, "Bill to Company", 462, 42, 90),
    button(kCorporateLookup, "...", 556, 41, 14),
    label(kSfCustIdLabel, "SF Cust ID:", 462, 56, 54),
    edit(kSfCustId, 520, 56, 76),
    label(kDkNumberLabel, "DK Number:", 462, 72, 54),
    edit(kDkNumber, 520, 72, 76),
    check(kCopyFromCtp, "Copy From CTP", 462, 90, 90),
    edit(kCtp, 462, 104, 116),
    button(kCtpButton, "...", 582, 104, 14),
    check(kAutoCreate, "Auto Create Sales Folder", 462, 124, 130),
});

constexpr auto kTicketingAndAgency = std::to_array<ControlTemplate>({
    // The ticketing row spans the dialog's width: the field places its controls from 10
    // pixels to the right of the ticket number form's last edit.
    label(kTtl.label, "Ticketing:", 10, 168),
    list(kTtl.type, kTypeComboStyle, 72, 168, 80),
    label(kTtl.dateLabel, "Date:", 40, 184, 50),
    edit(kTtl.date, 92, 184, 40),
    label(kTtl.queueLabel, "Queue:", 152, 184, 58),
    edit(kTtl.queue, 218, 184, 30),
    label(kTtl.segmentLabel, "Segment:", 298, 184, 32),
    edit(kTtl.segment, 330, 184, 52),
    label(kTtl.ticketLabel, "", 40, 184, 50),
    label(kReceivedFromLabel, "Received From:", 10, 202),
    edit(kReceivedFrom, 72, 202, 150),
    check(kCopyFromDoss, "Copy from DOSS", 10, 220, 90),
    label(kAgency.nameLabel, "Agency Name:", 10, 234),
    edit(kAgency.name, 72, 234, 220),
    label(kAgency.telephoneLabel, "Agency Tel:", 10, 250),
    edit(kAgency.telephone, 72, 250, 120),
    label(kAgency.agentLabel, "Agent Name:", 10, 266),
    edit(kAgency.agent, 72, 266, 120),
    label(kAgency.addressLabel, "Address:", 10, 282),
    edit(kAgency.lines[0], 72, 282, 220),
    edit(kAgency.lines[1], 72, 296, 220),
    edit(kAgency.lines[2], 72, 310, 220),
    edit(kAgency.lines[3], 72, 324, 220),
    edit(kAgency.lines[4], 72, 338, 220),
    edit(kAgency.lines[5], 72, 352, 220),
});

constexpr auto kContact = std::to_array<ControlTemplate>({
    frame(kContactFrame, "Customer Info", 304, 198, 299, 142),
    label(kContactPersonLabel, "Contact Person:", 310, 210, 66),
    edit(kContactPerson, 380, 210, 150),
    label(kBusinessPhoneLabel, "Business Tel:", 310, 226, 66),
    edit(kBusinessPhone, 380, 226, 150),
    label(kMobilePhoneLabel, "Mobile Tel:", 310, 242, 66),
    edit(kMobilePhone, 380, 242, 150),
    label(kHomePhoneLabel, "Home No.:", 310, 258, 66),
    edit(kHomePhone, 380, 258, 150),
    label(kFaxLabel, "Fax No.:", 310, 274, 66),
    edit(kFax, 380, 274, 150),
    label(kEmail.addressLabel, "E-mail:", 310, 290, 66),
    {kEmail.address, WindowClass::Edit, "", kMixedCaseEditStyle, 380, 290, 215, 12},
    label(kEmail.freeTextLabel, "Free Text:", 310, 306, 66),
    {kEmail.freeText, WindowClass::Edit, "", kMixedCaseEditStyle, 380, 306, 215, 12},
    label(kEmail.passengerLabel, "Passenger:", 310, 322, 66),
    edit(kEmail.passenger, 380, 322, 60),
});

constexpr auto kAddressLines = [] {
  std::array<ControlTemplate, 12> controls{};
  controls[0] = check(kBillingAddress, "Billing Address", 310, 346, 120);
  controls[1] = check(kDeliveryAddress, "Delivery Address", 456, 346, 120);
  for (std::size_t line = 0; line < 5; ++line) {
    const int y = 360 + static_cast<int>(line) * 13;
    controls[2 + line] = edit(kBillingLines[line], 310, y, 140);
    controls[7 + line] = edit(kDeliveryLines[line], 456, y, 140);
  }
  return controls;
}();

constexpr auto kRemarksAndPersonnel = std::to_array<ControlTemplate>({
    frame(kRemarksFrame, "Remark", 4, 396, 300, 50),
    label(kRemarks.typeLabel, "Type:", 10, 408, 38),
    list(kRemarks.type, kTypeComboStyle, 50, 408, 70),
    label(kRemarks.segmentLabel, "Segment:", 126, 408, 34),
    edit(kRemarks.segment, 162, 408, 30),
    label(kRemarks.textLabel, "Remark:", 10, 426, 38),
    edit(kRemarks.text, 50, 426, 248),
    frame(kPersonnelFrame, "Personnel", 4, 450, 300, 100),
    check(kDepartmentBox, "Department No.", 10, 462, 80),
    edit(kDepartment, 92, 462, 100),
    check(kIcNumberBox, "IC No.", 10, 476, 80),
    edit(kIcNumber, 92, 476, 100),
    check(kEmployeeNumberBox, "Employee No.", 10, 490, 80),
    edit(kEmployeeNumber, 92, 490, 100),
    check(kExitPermitBox, "Exit Permit No.", 10, 504, 80),
    edit(kExitPermit, 92, 504, 100),
    check(kDependentIcBox, "Dependent IC #", 10, 518, 80),
    edit(kDependentIc, 92, 518, 100),
    label(kIdDoc.typeLabel, "Type:", 198, 462, 24),
    list(kIdDoc.type, kTypeComboStyle, 224, 462, 76),
    label(kIdDoc.numberLabel, "Number:", 198, 478, 24),
    edit(kIdDoc.number, 224, 478, 76),
    label(kIdDoc.surnameLabel, "Surname:", 198, 494, 24),
    edit(kIdDoc.surname, 224, 494, 76),
    label(kIdDoc.givenLabel, "Given:", 198, 510, 24),
    edit(kIdDoc.given, 224, 510, 76),
});

constexpr auto kPassportControls = std::to_array<ControlTemplate>({
    frame(kPassportFrame, "SSR", 308, 428, 295, 122),
    label(kPassport.typeLabel, "Type:", 314, 440, 44),
    list(kPassport.type, kTypeComboStyle, 360, 440, 80),
    label(kPassport.passportLabel, "Passport:", 446, 440, 42),
    edit(kPassport.passport, 490, 440, 100),
    label(kPassport.nationalityLabel, "Nationality:", 314, 456, 44),
    edit(kPassport.nationality, 360, 456, 30),
    label(kPassport.segmentLabel, "Segment:", 446, 456, 42),
    edit(kPassport.segment, 490, 456, 40),
    label(kPassport.surnameLabel, "Surname:", 314, 472, 44),
    edit(kPassport.surname, 360, 472, 100),
    label(kPassport.givenLabel, "Given:", 466, 472, 32),
    edit(kPassport.given, 500, 472, 96),
    check(kPassport.primaryHolder, "Primary Passport Holder", 314, 490, 110),
    label(kPassport.nameSelectLabel, "Name Select:", 430, 488, 58),
    edit(kPassport.nameSelect, 490, 488, 40),
    label(kPassport.birthLabel, "Date of Birth:", 314, 506, 54),
    edit(kPassport.birth, 370, 506, 50),
    label(kPassport.genderLabel, "Gender:", 430, 506, 38),
    list(kPassport.gender, kTypeComboStyle, 470, 506, 40),
});

constexpr auto kControls =
    joinControls(kCustomer, kRowControls, kBilling, kTicketingAndAgency, kContact, kAddressLines,
                 kRemarksAndPersonnel, kPassportControls, markerStyleFooter(558));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 607, 585, kControls);

}  // namespace resources::pnr_creation_fit
