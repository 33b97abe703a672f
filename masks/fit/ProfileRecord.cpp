#include "masks/fit/ProfileRecord.h"

#include <algorithm>
#include <vector>

#include "platform/text/TextRules.h"

namespace fit {
namespace {

using F = ProfileField;

// The characters of each class. '\xA5' is the yen sign of the host's free-text mark.
constexpr std::string_view kNameCharacters = "!#$%^&():<>?~\"';`{}[]+=|\\/\xA5*,@_.-";
constexpr std::string_view kAddressCharacters = "!#$%^&():<>?~\"';`{}[]+=|\\@_";
constexpr std::string_view kPhoneCharacters = "!#$%^&():<>?~\"';`{}[]+=|\\/\xA5*,@_.";
constexpr std::string_view kEmailCharacters = "!#$%^&():<>?~\"';`{}[]+=|\\/\xA5*,";

constexpr std::string_view kEmptyPassengerName = "*EmptyPaxName*";

std::string_view charactersOf(CharacterClass characterClass) {
  switch (characterClass) {
    case CharacterClass::Names:
      return kNameCharacters;
    case CharacterClass::Addresses:
      return kAddressCharacters;
    case CharacterClass::Phones:
      return kPhoneCharacters;
    case CharacterClass::Email:
      return kEmailCharacters;
  }
  return {};
}

// How each field of the main record is cleaned, and whether it is trimmed afterwards.
struct FieldRule {
  ProfileField field;
  CharacterClass characterClass;
  bool trim;
};

constexpr FieldRule kCleaningRules[] = {
    {F::PassengerName, CharacterClass::Names, true},
    {F::Title, CharacterClass::Names, true},
    {F::HomePhone, CharacterClass::Phones, false},
    {F::MobilePhone, CharacterClass::Phones, false},
    {F::BusinessPhone, CharacterClass::Phones, false},
    {F::Email, CharacterClass::Email, true},
    {F::IcNumber, CharacterClass::Names, true},
    {F::PassportNumber1, CharacterClass::Addresses, false},
    {F::ExitPermitNumber, CharacterClass::Names, true},
    {F::EmployeeNumber, CharacterClass::Names, true},
    {F::Department, CharacterClass::Names, false},
    {F::BillingAddress, CharacterClass::Addresses, false},
    {F::DeliveryAddress, CharacterClass::Addresses, false},
    {F::CompanyName, CharacterClass::Addresses, false},
    {F::ContactSurname, CharacterClass::Names, false},
    {F::ContactGivenName, CharacterClass::Names, false},
    {F::ContactPhone, CharacterClass::Addresses, false},
    {F::ContactFax, CharacterClass::Phones, false},
    {F::OsiValue1, CharacterClass::Addresses, false},
    {F::OsiValue2, CharacterClass::Addresses, false},
};

// The fields of text after its kind digit, at most maxFields of them, each cut to the
// length of a profile value.
std::vector<std::string> splitFields(std::string_view text, std::size_t maxFields) {
  std::vector<std::string> fields;
  if (text.empty()) return fields;
  std::string_view rest = text.substr(1);
  while (fields.size() < maxFields) {
    const std::size_t separator = rest.find('\\');
    const std::string_view field = rest.substr(0, separator);
    fields.emplace_back(field.substr(0, kProfileValueLength));
    if (separator == std::string_view::npos) break;
    rest.remove_prefix(separator + 1);
  }
  return fields;
}

std::string trimmedText(std::string_view text) {
  return std::string(platform::trimWhiteSpace(text));
}

}  // namespace

std::string cleanCharacters(std::string_view text, CharacterClass characterClass) {
  const std::string_view characters = charactersOf(characterClass);
  std::string cleaned(text);
  std::replace_if(
      cleaned.begin(), cleaned.end(),
      [characters](char c) { return characters.find(c) != std::string_view::npos; }, ' ');
  return cleaned;
}

MainRecord parseMainRecord(std::string_view text, Cleaning cleaning, std::size_t maxFields) {
  MainRecord record;
  std::vector<std::string> fields = splitFields(text, std::min(maxFields, kMainRecordFields));
  record.fieldCount = fields.size();
  std::move(fields.begin(), fields.end(), record.fields.begin());
  if (cleaning == Cleaning::AsGiven) return record;

  // The no-name marker is made of characters the cleaning takes away, so it is read first.
  if (record[F::PassengerName] == kEmptyPassengerName) record[F::PassengerName].clear();
  for (const FieldRule& rule : kCleaningRules) {
    std::string& value = record[rule.field];
    value = cleanCharacters(value, rule.characterClass);
    if (rule.trim) value = trimmedText(value);
  }
  std::string& mobile = record[F::MobilePhone];
  std::replace(mobile.begin(), mobile.end(), '-', ' ');
  std::string& gender = record[F::Gender];
  if (!gender.empty()) gender = gender == "Male" ? "M" : "F";
  return record;
}

DependantRecord parseDependantRecord(std::string_view text) {
  std::vector<std::string> fields = splitFields(text, 14);
  fields.resize(14);
  DependantRecord record{trimmedText(fields[0]),
                         trimmedText(fields[1]),
                         fields[2],
                         fields[3],
                         fields[4],
                         fields[5],
                         fields[6],
                         fields[7],
                         fields[8],
                         fields[9],
                         fields[10],
                         fields[11],
                         fields[12],
                         fields[13]};
  return record;
}

std::string parseCorporateRecord(std::string_view text) {
  if (text.empty()) return {};
  return std::string(text.substr(1, kProfileValueLength));
}

TravellerName splitTravellerName(std::string_view name) {
  if (name == kEmptyPassengerName) return {};
  const std::size_t blank = name.find(' ');
  if (blank == std::string_view::npos) return {trimmedText(name), {}};
  return {trimmedText(name.substr(0, blank)), trimmedText(name.substr(blank + 1))};
}

PtcChoice ptcFromProfileCode(std::string_view code) {
  if (code.empty() || code == "ADT") return {Ptc::Adult, {}, {}};
  if (code == "CHD" || code == "CNN") return {Ptc::Child, {}, {}};
  if (code == "INF" || code == "INN") return {Ptc::Infant, {}, {}};
  const std::string_view number = code.substr(1);
  const bool digitsOnly =
      std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digitsOnly && code.front() == 'C') return {Ptc::Child, std::string(number), {}};
  if (digitsOnly && code.front() == 'I') return {Ptc::Infant, std::string(number), {}};
  return {Ptc::Others, {}, std::string(code)};
}

}  // namespace fit
