#pragma once
// The individual creation mask's own checks of its contact, billing, received-from, address,
// personnel and CTP controls, on their texts. The mask runs them in its order, between the
// checks of its fields, and reports the first fault on the named control. Empty means empty
// after trimming blanks at both ends.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fit {

struct FitFault {
  std::string_view errorKey;
  int controlId;
  // The faulty character to select, when the fault is at one character.
  std::optional<std::size_t> character;
  bool operator==(const FitFault&) const = default;
};

struct PhoneTexts {
  std::string contactPerson;
  std::string businessPhone;
  std::string mobilePhone;
  std::string homePhone;
};
// Contact person (letters, digits, blanks), business phone (and "-"), mobile and home phone
// (none of "I", ".", "*", "/"; then letters, digits, blanks and "-").
std::optional<FitFault> checkPhones(const PhoneTexts& texts);

// The fax number after the fax field's own check: letters, digits, blanks and "-".
std::optional<FitFault> checkFaxCharacters(std::string_view fax);

struct BillingTexts {
  std::string sfCustId;
  std::string dkNumber;
  bool billToCompanyEnabled = false;
  bool billToCompanyChecked = false;
};
// SF Cust ID: alphanumeric, at least 6 characters, and not exactly 6 while "Bill to Company" is
// enabled and unchecked. DK Number: alphanumeric, 6, 7 or 10 characters.
std::optional<FitFault> checkBilling(const BillingTexts& texts);

// Received from after its field's own check: letters, digits, blanks, "-" and "/".
std::optional<FitFault> checkReceivedFromCharacters(std::string_view receivedFrom);

// A checked address block: a first line, and no "#" in any line.
std::optional<FitFault> checkAddress(const std::array<std::string, 5>& lines,
                                     const std::array<int, 5>& lineIds);

struct PersonnelTexts {
  struct Number {
    bool checked = false;
    std::string text;
  };
  Number department, icNumber, employeeNumber, exitPermit, dependentIc;
};
// Each checked number is filled and alphanumeric (the department number may hold blanks); the
// exit permit number has at least 2 characters.
std::optional<FitFault> checkPersonnel(const PersonnelTexts& texts);

// CTP: letters, digits, "-" and "/".
std::optional<FitFault> checkCtp(std::string_view ctp);

}  // namespace fit
