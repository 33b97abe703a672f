#pragma once
// Customer profile records as the profile sources hand them over: fields separated by a
// backslash, after a first character that is the record's kind digit. Three kinds exist: the
// main record (46 fields), the dependant record (14 fields) and the corporate record (one
// customer number). Each field keeps at most 1023 characters, the size of the desktop's
// profile values; fields past the last one given are empty, and fields past the record's
// own count are ignored.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fit {

// The fields of the main record, in record order.
enum class ProfileField : std::size_t {
  PassengerName,  // "SURNAME GIVENNAME"; "*EmptyPaxName*" for no name
  Title,
  AccountStatus,
  Ptc,
  CustomerNumber,
  Gender,  // "M" for "Male", "F" for any other value, empty when not given
  DateOfBirth,
  HomePhone,
  MobilePhone,
  BusinessPhone,
  Email,
  IcNumber,
  PassportNumber1,
  Nationality1,
  PassportNumber2,
  Nationality2,
  ExitPermitNumber,
  EmployeeNumber,
  Department,
  BillTo,  // "TRUE" or "FALSE"
  CorporateId,
  BillingAddress,
  DeliveryAddress,
  CompanyName,
  CompanyAddress,
  ContactSurname,
  ContactGivenName,
  ContactPhone,
  ContactFax,
  ContactEmail,
  TravelPolicy,
  CustomerRemark,
  HomePhoneValue,  // "True" or "False", as the phone prefix rule reads it
  MobilePhoneValue,
  BusinessPhoneValue,
  FaxPhoneValue,
  FrequentFlyerCards,
  OsiValue1,  // the two values of the traveller's "3OSI " item
  OsiValue2,
  DocumentDateOfBirth,  // as travel documents write it
  IssuingCountry,
  ExpiryDate,
  HomePhoneFlag,
  MobilePhoneFlag,
  BusinessPhoneFlag,
  FaxPhoneFlag,
};

inline constexpr std::size_t kMainRecordFields = 46;
// The add-passenger dialog's own main record stops after the phone value strings.
inline constexpr std::size_t kDialogRecordFields = 36;
// Longest value a profile field keeps.
inline constexpr std::size_t kProfileValueLength = 1023;

// The character classes of the profile cleaning: each character of the class becomes one blank.
enum class CharacterClass { Names, Addresses, Phones, Email };
std::string cleanCharacters(std::string_view text, CharacterClass characterClass);

enum class Cleaning { Cleaned, AsGiven };

struct MainRecord {
  std::array<std::string, kMainRecordFields> fields;
  // How many fields the text held (at most the count asked for).
  std::size_t fieldCount = 0;

  const std::string& operator[](ProfileField field) const {
    return fields[static_cast<std::size_t>(field)];
  }
  std::string& operator[](ProfileField field) { return fields[static_cast<std::size_t>(field)]; }
};

// The main record of text. Cleaned: the no-name marker "*EmptyPaxName*" becomes the empty
// name, each field is cleaned by its character class, the mobile
// phone's "-" becomes a blank, names, titles, IC, employee, exit permit and e-mail values are
// trimmed of blanks, and the gender is reduced to "M" or "F". maxFields (at most 46) ends the
// record early, as the add-passenger dialog's record does.
MainRecord parseMainRecord(std::string_view text, Cleaning cleaning = Cleaning::Cleaned,
                           std::size_t maxFields = kMainRecordFields);

struct DependantRecord {
  std::string surname, givenName, title, icNumber, customerNumber, dependantNumber, relation,
      gender, dateOfBirth, documentDateOfBirth, nationality1, nationality2, passportNumber1,
      passportNumber2;
};
// Surname and given name are trimmed of blanks; the other fields are kept as given.
DependantRecord parseDependantRecord(std::string_view text);

// The corporate record: everything after the kind digit (at most 1023 characters).
std::string parseCorporateRecord(std::string_view text);

struct TravellerName {
  std::string surname;
  std::string givenName;
};
// Splits a traveller name at its first blank, both parts trimmed; "*EmptyPaxName*" (and an
// empty text) give no name.
TravellerName splitTravellerName(std::string_view name);

// The PTC list's item data.
enum class Ptc { Adult = 0, Child = 1, Infant = 2, Others = 3 };

struct PtcChoice {
  Ptc ptc = Ptc::Adult;
  std::string age;     // for Child and Infant
  std::string others;  // for Others
  bool operator==(const PtcChoice&) const = default;
};
// A profile's PTC code as a row's PTC: "" and "ADT" Adult; "CHD", "CNN" Child; "INF", "INN"
// Infant; a "C" or "I" followed by digits only a Child or Infant of that age; anything else
// Others with the whole code.
PtcChoice ptcFromProfileCode(std::string_view code);

}  // namespace fit
