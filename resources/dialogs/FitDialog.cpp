#include "resources/dialogs/FitDialog.h"

namespace resources::pnr_creation_fit {
namespace {

using platform::CBS_DROPDOWN;
using platform::CBS_DROPDOWNLIST;
using platform::CBS_UPPERCASE;
using platform::ES_AUTOHSCROLL;
using platform::WS_BORDER;
using platform::WS_TABSTOP;
using platform::WS_VISIBLE;

constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kTypeComboStyle = CBS_DROPDOWN | CBS_UPPERCASE | WS_TABSTOP | WS_VISIBLE;
// E-mail texts keep their letter case.
constexpr DWORD kMixedCaseEditStyle = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;

// The passenger rows and their column headers.
constexpr int kFirstRowY = 42;
constexpr int kRowHeight = 13;
constexpr std::string_view kRowNumbers[] = {"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9."};

constexpr auto kCustomer = std::to_array<ControlTemplate>({
    frameAt(kCustomerFrame, "Customer", 4, 2, 599, 162),
    labelAt(kCustomerSourceLabel, "Customer Source:", 10, 12),
    comboAt(kCustomerSource, kListStyle, 72, 12, 90),
    buttonAt(kAddPassenger, "Add Passenger", 170, 12, 70),
    labelAt(kSurnameHeader, "Surname", 22, 28),
    labelAt(kGivenNameHeader, "Given Name", 150, 28),
    labelAt(kTitleHeader, "Title", 278, 28, 40),
    labelAt(kPtcHeader, "PTC", 322, 28, 40),
    labelAt(kOthersHeader, "Others", 396, 28, 30),
    labelAt(kAgeHeader, "Age", 430, 28, 20),
});

constexpr auto kRowControls = [] {
  std::array<ControlTemplate, kRows.size() * 9> controls{};
  std::size_t next = 0;
  for (std::size_t row = 0; row < kRows.size(); ++row) {
    const PassengerRowIds& ids = kRows[row];
    const int y = kFirstRowY + static_cast<int>(row) * kRowHeight;
    controls[next++] = labelAt(kFirstRowNumber + static_cast<int>(row), kRowNumbers[row], 8, y, 12);
    controls[next++] = editAt(ids.surname, 22, y, 108);
    controls[next++] = buttonAt(ids.surnameLookup, "...", 132, y, 14);
    controls[next++] = editAt(ids.givenName, 150, y, 108);
    controls[next++] = buttonAt(ids.givenNameLookup, "...", 260, y, 14);
    controls[next++] = editAt(ids.title, 278, y, 40);
    controls[next++] = comboAt(ids.ptc, kListStyle, 322, y, 70);
    controls[next++] = editAt(ids.others, 396, y, 30);
    controls[next++] = editAt(ids.age, 430, y, 20);
  }
  return controls;
}();

constexpr auto kBilling = std::to_array<ControlTemplate>({
    compactCheckBoxAt(kBillToCompany, "Bill to Company", 462, 42, 90),
    buttonAt(kCorporateLookup, "...", 556, 41, 14),
    labelAt(kSfCustIdLabel, "SF Cust ID:", 462, 56, 54),
    editAt(kSfCustId, 520, 56, 76),
    labelAt(kDkNumberLabel, "DK Number:", 462, 72, 54),
    editAt(kDkNumber, 520, 72, 76),
    compactCheckBoxAt(kCopyFromCtp, "Copy From CTP", 462, 90, 90),
    editAt(kCtp, 462, 104, 116),
    buttonAt(kCtpButton, "...", 582, 104, 14),
    compactCheckBoxAt(kAutoCreate, "Auto Create Sales Folder", 462, 124, 130),
});

// The ticketing row spans the dialog's width: the field places its controls from 10 pixels
// to the right of the ticket number form's last edit.
constexpr auto kTicketing = creation::ticketingRow({10, 168, kTypeComboStyle, 80});
constexpr auto kAgencyBlock = creation::receivedFromAndAgency(10, 202);

constexpr auto kContact = std::to_array<ControlTemplate>({
    frameAt(kContactFrame, "Customer Info", 304, 198, 299, 142),
    labelAt(kContactPersonLabel, "Contact Person:", 310, 210, 66),
    editAt(kContactPerson, 380, 210, 150),
    labelAt(kBusinessPhoneLabel, "Business Tel:", 310, 226, 66),
    editAt(kBusinessPhone, 380, 226, 150),
    labelAt(kMobilePhoneLabel, "Mobile Tel:", 310, 242, 66),
    editAt(kMobilePhone, 380, 242, 150),
    labelAt(kHomePhoneLabel, "Home No.:", 310, 258, 66),
    editAt(kHomePhone, 380, 258, 150),
    labelAt(kFaxLabel, "Fax No.:", 310, 274, 66),
    editAt(kFax, 380, 274, 150),
    labelAt(kEmail.addressLabel, "E-mail:", 310, 290, 66),
    {kEmail.address, WindowClass::Edit, "", kMixedCaseEditStyle, 380, 290, 215, 12},
    labelAt(kEmail.freeTextLabel, "Free Text:", 310, 306, 66),
    {kEmail.freeText, WindowClass::Edit, "", kMixedCaseEditStyle, 380, 306, 215, 12},
    labelAt(kEmail.passengerLabel, "Passenger:", 310, 322, 66),
    editAt(kEmail.passenger, 380, 322, 60),
});

constexpr auto kAddressLines = [] {
  std::array<ControlTemplate, 12> controls{};
  controls[0] = compactCheckBoxAt(kBillingAddress, "Billing Address", 310, 346, 120);
  controls[1] = compactCheckBoxAt(kDeliveryAddress, "Delivery Address", 456, 346, 120);
  for (std::size_t line = 0; line < 5; ++line) {
    const int y = 360 + static_cast<int>(line) * 13;
    controls[2 + line] = editAt(kBillingLines[line], 310, y, 140);
    controls[7 + line] = editAt(kDeliveryLines[line], 456, y, 140);
  }
  return controls;
}();

constexpr auto kRemarksAndPersonnel = std::to_array<ControlTemplate>({
    frameAt(kRemarksFrame, "Remark", 4, 396, 300, 50),
    labelAt(kRemarks.typeLabel, "Type:", 10, 408, 38),
    comboAt(kRemarks.type, kTypeComboStyle, 50, 408, 70),
    labelAt(kRemarks.segmentLabel, "Segment:", 126, 408, 34),
    editAt(kRemarks.segment, 162, 408, 30),
    labelAt(kRemarks.textLabel, "Remark:", 10, 426, 38),
    editAt(kRemarks.text, 50, 426, 248),
    frameAt(kPersonnelFrame, "Personnel", 4, 450, 300, 100),
    compactCheckBoxAt(kDepartmentBox, "Department No.", 10, 462, 80),
    editAt(kDepartment, 92, 462, 74),
    compactCheckBoxAt(kIcNumberBox, "IC No.", 10, 476, 80),
    editAt(kIcNumber, 92, 476, 74),
    compactCheckBoxAt(kEmployeeNumberBox, "Employee No.", 10, 490, 80),
    editAt(kEmployeeNumber, 92, 490, 74),
    compactCheckBoxAt(kExitPermitBox, "Exit Permit No.", 10, 504, 80),
    editAt(kExitPermit, 92, 504, 74),
    compactCheckBoxAt(kDependentIcBox, "Dependent IC #", 10, 518, 80),
    editAt(kDependentIc, 92, 518, 74),
    labelAt(kIdDoc.typeLabel, "Type:", 170, 462, 52),
    comboAt(kIdDoc.type, kTypeComboStyle, 224, 462, 76),
    labelAt(kIdDoc.numberLabel, "Number:", 170, 478, 52),
    editAt(kIdDoc.number, 224, 478, 76),
    labelAt(kIdDoc.surnameLabel, "Surname:", 170, 494, 52),
    editAt(kIdDoc.surname, 224, 494, 76),
    labelAt(kIdDoc.givenLabel, "Given:", 170, 510, 52),
    editAt(kIdDoc.given, 224, 510, 76),
});

constexpr auto kPassportControls = std::to_array<ControlTemplate>({
    frameAt(kPassportFrame, "SSR", 308, 428, 295, 122),
    labelAt(kPassport.typeLabel, "Type:", 314, 440, 44),
    comboAt(kPassport.type, kTypeComboStyle, 360, 440, 80),
    labelAt(kPassport.passportLabel, "Passport:", 446, 440, 54),
    editAt(kPassport.passport, 502, 440, 94),
    labelAt(kPassport.nationalityLabel, "Nationality:", 314, 456, 44),
    editAt(kPassport.nationality, 360, 456, 30),
    labelAt(kPassport.segmentLabel, "Segment:", 446, 456, 42),
    editAt(kPassport.segment, 502, 456, 40),
    labelAt(kPassport.surnameLabel, "Surname:", 314, 472, 44),
    editAt(kPassport.surname, 360, 472, 84),
    labelAt(kPassport.givenLabel, "Given:", 448, 472, 52),
    editAt(kPassport.given, 502, 472, 94),
    compactCheckBoxAt(kPassport.primaryHolder, "Primary Passport Holder", 314, 490, 110),
    labelAt(kPassport.nameSelectLabel, "Name Select:", 430, 488, 70),
    editAt(kPassport.nameSelect, 502, 488, 40),
    labelAt(kPassport.birthLabel, "Date of Birth:", 314, 506, 54),
    editAt(kPassport.birth, 370, 506, 50),
    labelAt(kPassport.genderLabel, "Gender:", 430, 506, 38),
    comboAt(kPassport.gender, kTypeComboStyle, 470, 506, 40),
});

constexpr auto kControls =
    joinControls(kCustomer, kRowControls, kBilling, kTicketing, kAgencyBlock, kContact,
                 kAddressLines, kRemarksAndPersonnel, kPassportControls, markerStyleFooter(558));

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 607, 585, kControls);

}  // namespace resources::pnr_creation_fit
