#include "masks/fit/AddPassengerList.h"

#include <charconv>

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"

namespace fit {
namespace {

using F = ProfileField;

// Where the fields after the eighth go in an entry's profile record.
constexpr F kProfileFields[] = {
    F::Gender,           F::DateOfBirth,  F::HomePhone,           F::MobilePhone,
    F::PassportNumber1,  F::Nationality1, F::CompanyName,         F::ContactSurname,
    F::ContactGivenName, F::ContactPhone, F::ContactFax,          F::FrequentFlyerCards,
    F::OsiValue1,        F::OsiValue2,    F::DocumentDateOfBirth, F::IssuingCountry,
    F::ExpiryDate,       F::Email,        F::BusinessPhone,
};

std::vector<std::string_view> split(std::string_view text, char separator, std::size_t maxParts) {
  std::vector<std::string_view> parts;
  while (parts.size() < maxParts) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + 1);
  }
  return parts;
}

// A decimal number as the desktop's list data reads it; nothing when the text is no number.
std::optional<int> decimal(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

Ptc ptcOf(std::string_view text) {
  const std::optional<int> value = decimal(text);
  if (!value || *value < 0 || *value > 3) return Ptc::Adult;
  return static_cast<Ptc>(*value);
}

AddedPassenger entryOf(std::string_view text, std::size_t maxFields) {
  std::vector<std::string_view> fields = split(text, ',', maxFields);
  fields.resize(kListFieldsWithProfile);
  auto field = [&fields](std::size_t index) {
    return std::string(fields[index].substr(0, kProfileValueLength));
  };
  AddedPassenger entry;
  entry.surname = field(0);
  entry.givenName = field(1);
  entry.title = field(2);
  entry.ptc = ptcOf(fields[3]);
  entry.others = field(4);
  entry.age = field(5);
  entry.dependantNumber = field(6);
  entry.customerNumber = field(7);
  entry.homePhoneFlag = field(8);
  entry.businessPhoneFlag = field(9);
  entry.homePhoneValue = field(10);
  entry.businessPhoneValue = field(11);
  std::size_t index = 12;
  for (F target : kProfileFields) entry.profile[target] = field(index++);
  entry.profile[F::PassengerName] = entry.surname + " " + entry.givenName;
  entry.profile[F::Title] = entry.title;
  entry.profile[F::CustomerNumber] = entry.customerNumber;
  entry.profile[F::HomePhoneFlag] = entry.homePhoneFlag;
  entry.profile[F::BusinessPhoneFlag] = entry.businessPhoneFlag;
  entry.profile[F::HomePhoneValue] = entry.homePhoneValue;
  entry.profile[F::BusinessPhoneValue] = entry.businessPhoneValue;
  entry.profile.fieldCount = kMainRecordFields;
  return entry;
}

std::string entryKey(std::size_t index, std::string_view name) {
  return "ADD_PAX_PROFILE." + std::to_string(index) + "." + std::string(name);
}

std::string read(CTorvanProfile& profile, std::string_view key, bool* found = nullptr) {
  profile.setKeyName(key);
  std::string value;
  const int stored = profile.getValue(value, "", 1024);
  if (found) *found = stored != 0;
  return value;
}

void write(CTorvanProfile& profile, std::string_view key, std::string_view value) {
  profile.setKeyName(key);
  profile.setValue(value);
}

// The text members of an entry with their key names, in the order they are written.
struct EntryKey {
  std::string_view name;
  std::string AddedPassenger::*member;
};

constexpr EntryKey kEntryKeys[] = {
    {"SURNAME", &AddedPassenger::surname},
    {"GIVENNAME", &AddedPassenger::givenName},
    {"TITLE", &AddedPassenger::title},
    {"PTC", nullptr},
    {"OTHERS", &AddedPassenger::others},
    {"AGE", &AddedPassenger::age},
    {"STRHFLG", &AddedPassenger::homePhoneFlag},
    {"STRBFLG", &AddedPassenger::businessPhoneFlag},
    {"STRHVALUE", &AddedPassenger::homePhoneValue},
    {"STRBVALUE", &AddedPassenger::businessPhoneValue},
};

}  // namespace

std::vector<AddedPassenger> parseAddPassengerList(std::string_view text, std::size_t maxFields) {
  std::vector<AddedPassenger> entries;
  maxFields = std::min(maxFields, kListFieldsWithProfile);
  while (!text.empty() && entries.size() < kMaxAddedPassengers) {
    const std::size_t at = text.find('=');
    const std::string_view entryText = text.substr(0, at);
    if (!entryText.empty()) entries.push_back(entryOf(entryText, maxFields));
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + 1);
  }
  return entries;
}

std::string addPassengerListText(const std::vector<AddedPassenger>& entries) {
  std::string text;
  const auto add = [&text](std::string_view value) {
    for (char c : value) text += c == ',' || c == '=' ? ' ' : c;
  };
  for (std::size_t index = 0; index < entries.size() && index < kMaxAddedPassengers; ++index) {
    const AddedPassenger& entry = entries[index];
    if (index > 0) text += '=';
    const std::string ptc = std::to_string(static_cast<int>(entry.ptc));
    const std::array<const std::string*, 12> named{
        &entry.surname,         &entry.givenName,
        &entry.title,           &ptc,
        &entry.others,          &entry.age,
        &entry.dependantNumber, &entry.customerNumber,
        &entry.homePhoneFlag,   &entry.businessPhoneFlag,
        &entry.homePhoneValue,  &entry.businessPhoneValue};
    for (std::size_t field = 0; field < named.size(); ++field) {
      if (field > 0) text += ',';
      add(*named[field]);
    }
    for (F source : kProfileFields) {
      text += ',';
      add(entry.profile[source]);
    }
  }
  return text;
}

void applyProfileMarkers(std::vector<AddedPassenger>& entries,
                         const std::array<bool, kMaxAddedPassengers>& markers) {
  for (std::size_t i = 0; i < entries.size() && i < markers.size(); ++i) {
    entries[i].profileMarker = markers[i];
  }
}

std::optional<SavedAddPassengerList> addPassengerListOfAnswer(
    const std::vector<std::string>& answer, int customerSource) {
  if (answer.size() != 2) return std::nullopt;
  const std::string& digits = answer[0];
  std::array<bool, kMaxAddedPassengers> markers{};
  for (std::size_t i = 0; i < markers.size() && i < digits.size(); ++i) {
    markers[i] = digits[i] == '1';
  }
  SavedAddPassengerList list;
  list.entries = parseAddPassengerList(answer[1]);
  applyProfileMarkers(list.entries, markers);
  list.customerSource = customerSource;
  return list;
}

void saveAddPassengerList(CTorvanProfile& profile, const SavedAddPassengerList* list) {
  write(profile, "ADD_PAX", list ? "ADD_PASSENGER" : "");
  if (!list) return;
  const std::size_t count = std::min(list->entries.size(), kMaxAddedPassengers);
  for (std::size_t i = 0; i < count; ++i) {
    const AddedPassenger& entry = list->entries[i];
    for (const EntryKey& key : kEntryKeys) {
      write(profile, entryKey(i, key.name),
            key.member ? entry.*key.member : std::to_string(static_cast<int>(entry.ptc)));
    }
  }
  write(profile, "ADD_PAX_CUSTOMER_SOURCE", std::to_string(list->customerSource));
  write(profile, "ADD_PAX_COUNT", std::to_string(count));
}

std::optional<SavedAddPassengerList> loadAddPassengerList(CTorvanProfile& profile) {
  if (read(profile, "ADD_PAX") != "ADD_PASSENGER") return std::nullopt;
  SavedAddPassengerList list;
  bool counted = false;
  const std::optional<int> savedCount = decimal(read(profile, "ADD_PAX_COUNT", &counted));
  const bool countKnown = counted && savedCount && *savedCount >= 0;
  const std::size_t groups =
      countKnown ? std::min<std::size_t>(*savedCount, kMaxAddedPassengers) : kMaxAddedPassengers;
  std::size_t lastHolding = 0;
  for (std::size_t i = 0; i < groups; ++i) {
    AddedPassenger entry;
    bool holdsValue = false;
    for (const EntryKey& key : kEntryKeys) {
      const std::string value = read(profile, entryKey(i, key.name));
      holdsValue = holdsValue || !value.empty();
      if (key.member) {
        entry.*key.member = value;
      } else {
        entry.ptc = ptcOf(value);
      }
    }
    list.entries.push_back(std::move(entry));
    if (holdsValue) lastHolding = i + 1;
  }
  if (!countKnown) list.entries.resize(lastHolding);
  list.customerSource = decimal(read(profile, "ADD_PAX_CUSTOMER_SOURCE")).value_or(-1);
  return list;
}

PhoneFill readPhoneFill() {
  CTorvanProfile profile;
  profile.setIniFile(framework::kWhiteboardFile);
  profile.setSectionName("USER");
  return {read(profile, "UP_HOMENO1"), read(profile, "UP_BIZNO1")};
}

}  // namespace fit
