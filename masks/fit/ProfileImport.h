#pragma once
// What importing a customer profile record does to the individual creation mask, as data: the
// mask applies the result to its controls. A record reaches the mask for a pending lookup of
// one kind and one passenger row (rows counted from 0).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "masks/fit/ProfileRecord.h"

namespace fit {

// The lookup a record answers: a row's surname button, a row's given-name button, or the
// corporate button beside "Bill to Company". With no lookup pending a record counts as a
// surname lookup of the first row.
enum class LookupKind { Surname = 0, GivenName = 1, Corporate = 2 };

inline constexpr int kPassengerRows = 9;
inline constexpr std::size_t kAddressLines = 5;
inline constexpr std::size_t kAddressLineLength = 63;

// A row's passenger name, title and PTC.
struct RowFill {
  std::string surname;
  std::string givenName;
  std::string title;
  PtcChoice ptc;
};

// The "Bill to Company" box after a first-row import.
enum class BillToCompany {
  Check,    // enabled and checked; the SF Cust ID is the corporate identifier
  Uncheck,  // unchecked and disabled; the SF Cust ID is the customer number
  Leave,    // neither: the box and the SF Cust ID stay as they are
};

// What only a first-row import of a main record fills.
struct FirstRowFill {
  std::string profileSurname;
  std::string profileGivenName;
  std::string profileTravellerName;  // "SURNAME GIVENNAME" as the record gives it
  BillToCompany billToCompany = BillToCompany::Leave;
  std::string sfCustId;  // only when billToCompany is not Leave
  std::string contactPerson;
  std::string businessPhone;
  std::string homePhone;
  std::string mobilePhone;
  std::string fax;
  std::string email;
  std::string department;
  std::string icNumber;
  std::string employeeNumber;
  std::string exitPermitNumber;
  // The dependent IC edit is emptied and the five personnel boxes unchecked.
  bool autoCreate = false;  // the market setting "AUTO_CREATE_SO"
  // Both address boxes unchecked; their lines filled and left disabled.
  std::array<std::string, kAddressLines> billingLines;
  std::array<std::string, kAddressLines> deliveryLines;
  // The customer-profile strings the mask keeps and saves.
  std::string companyName;
  std::string corporateId;
  std::string homePhoneValue, mobilePhoneValue, businessPhoneValue, faxPhoneValue;
  std::string homePhoneFlag, mobilePhoneFlag, businessPhoneFlag, faxPhoneFlag;
};

struct ProfileImport {
  int row = 0;
  LookupKind kind = LookupKind::Surname;
  // Surname and given-name lookups fill the row.
  std::optional<RowFill> rowFill;
  std::optional<FirstRowFill> firstRow;
  // A given-name lookup names the row's dependant number; a main record makes the row a
  // principal again and drops it (the empty text).
  std::optional<std::string> dependantNumber;
  // A corporate lookup fills only the SF Cust ID.
  std::optional<std::string> sfCustId;
  // The record kept for the row: the main record of a surname lookup, an empty one for a
  // given-name lookup; none for a corporate lookup, which leaves the row's record as it is.
  std::optional<MainRecord> record;
};

// The import of text for the lookup (kind, row); row -1 (no lookup pending) is the first row
// as a surname lookup. autoCreateSetting is the market setting "AUTO_CREATE_SO". After it the
// mask resets the pending lookup and empties the whiteboard's "FIT_Msg".
ProfileImport importProfile(std::string_view text, LookupKind kind, int row,
                            bool autoCreateSetting);

// The add-passenger dialog's own record of a back-office answer, in the kind the dialog has
// set: a main record of 36 fields as given, a dependant record or a corporate record. Nothing
// for a text of 1024 characters or more.
struct DialogRecord {
  LookupKind kind = LookupKind::Surname;
  MainRecord main;
  DependantRecord dependant;
  std::string corporate;
};
std::optional<DialogRecord> readDialogRecord(std::string_view text, LookupKind kind);

// An address text as up to five lines of up to 63 characters: split at carriage returns and
// line feeds (a carriage return with its line feed is one break).
std::array<std::string, kAddressLines> addressLines(std::string_view text);

}  // namespace fit
