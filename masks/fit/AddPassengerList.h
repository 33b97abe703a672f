#pragma once
// The travellers added through the Add Passenger dialog: at most nine entries, as the
// add-passenger control hands them back in one list text, and as the creation masks keep them
// on the whiteboard.
//
// List text: entries separated by "=", the fields of an entry by ",". The first eight fields
// are surname, given name, title, PTC item data (decimal), others code, age, dependant number
// and customer number. The control writes the entry's profile values after them, in this
// order (fields 9 to 31): home phone flag, business phone flag, home phone value, business
// phone value, gender, date of birth, home phone, mobile phone, passport number, nationality,
// company name, contact surname, contact given name, contact phone, contact fax,
// frequent-flyer cards, the two values of the "3OSI " item, date of birth as travel documents
// write it, passport issuing country, passport expiry date, e-mail, business phone.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "masks/fit/ProfileRecord.h"

class CTorvanProfile;

namespace fit {

inline constexpr std::size_t kMaxAddedPassengers = 9;
// The individual creation mask reads the profile values too; the add-passenger mask only the
// first eight fields.
inline constexpr std::size_t kListFieldsWithProfile = 31;
inline constexpr std::size_t kListNameFields = 8;

struct AddedPassenger {
  std::string surname;
  std::string givenName;
  std::string title;
  Ptc ptc = Ptc::Adult;
  std::string others;
  std::string age;
  std::string dependantNumber;
  std::string customerNumber;
  // The profile phone strings ("True", "False" or empty) of the phone prefix rule.
  std::string homePhoneFlag, businessPhoneFlag, homePhoneValue, businessPhoneValue;
  // The entry's profile values, in the fields of a main profile record.
  MainRecord profile;
  bool profileMarker = false;
};

// The entries of a list text, at most nine; an empty entry text is no entry. maxFields is 31
// or 8. A PTC that is not one of the four item data reads as Adult.
std::vector<AddedPassenger> parseAddPassengerList(std::string_view text,
                                                  std::size_t maxFields = kListFieldsWithProfile);

// The list text of entries, as the control takes its current list: the 31 fields of each entry
// (a PTC as its item data). A value cannot hold the separators: a "," or "=" in one is written
// as a blank.
std::string addPassengerListText(const std::vector<AddedPassenger>& entries);

// Takes the per-entry profile markers the control reports (entry i: markers[i]).
void applyProfileMarkers(std::vector<AddedPassenger>& entries,
                         const std::array<bool, kMaxAddedPassengers>& markers);

// What a creation mask keeps of the list on the whiteboard.
struct SavedAddPassengerList {
  std::vector<AddedPassenger> entries;
  int customerSource = -1;  // the customer-source item data when the list was made
};

// The list the Add Passenger dialog hands back when it closes with OK: its answer holds the
// nine profile markers as digits ('1' marks entry i, anything else or a missing digit leaves
// it unmarked) and the list text, read with the profile values. Nothing when the answer is not
// those two texts. customerSource is the source in force when the dialog was opened.
std::optional<SavedAddPassengerList> addPassengerListOfAnswer(
    const std::vector<std::string>& answer, int customerSource);

// Writes "ADD_PAX" ("ADD_PASSENGER" when there is a list, else the empty text), then for each
// entry the keys "ADD_PAX_PROFILE.%d.SURNAME", ".GIVENNAME", ".TITLE", ".PTC", ".OTHERS",
// ".AGE", ".STRHFLG", ".STRBFLG", ".STRHVALUE", ".STRBVALUE", then "ADD_PAX_CUSTOMER_SOURCE"
// and "ADD_PAX_COUNT", the number of entries written. The profile is open on the mask's
// section.
void saveAddPassengerList(CTorvanProfile& profile, const SavedAddPassengerList* list);

// The saved list when "ADD_PAX" reads "ADD_PASSENGER", else nothing. Reads as many entries as
// "ADD_PAX_COUNT" says; without it all nine groups, up to the last one holding a value
// (missing keys read as empty).
std::optional<SavedAddPassengerList> loadAddPassengerList(CTorvanProfile& profile);

// The phones a profile exchange leaves on the whiteboard ("USER": "UP_HOMENO1", "UP_BIZNO1")
// for the home phone and the business phone.
struct PhoneFill {
  std::string homePhone;
  std::string businessPhone;
};
PhoneFill readPhoneFill();

}  // namespace fit
