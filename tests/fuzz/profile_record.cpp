// Profile records of any content, read as each of the three kinds, imported for any lookup and
// row, and read as the add-passenger dialog's own record: every field keeps the length of a
// profile value, a record holds no more fields than it was asked for, the cleaned main record
// holds none of the characters its cleaning takes away, and address lines keep their length.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "masks/fit/ProfileImport.h"
#include "masks/fit/ProfileRecord.h"

namespace {

using namespace fit;

void check(bool condition) {
  if (!condition) std::abort();
}

std::size_t fieldsIn(std::string_view text, std::size_t maxFields) {
  if (text.empty()) return 0;
  const auto separators = static_cast<std::size_t>(std::count(text.begin() + 1, text.end(), '\\'));
  return std::min(separators + 1, std::min(maxFields, kMainRecordFields));
}

void checkName(std::string_view name) {
  const TravellerName split = splitTravellerName(name);
  check(split.surname.size() + split.givenName.size() <= name.size());
  check(split.surname.find(' ') == std::string::npos);
}

void checkPtc(std::string_view code) {
  const PtcChoice choice = ptcFromProfileCode(code);
  switch (choice.ptc) {
    case Ptc::Adult:
      check(code.empty() || code == "ADT");
      break;
    case Ptc::Child:
    case Ptc::Infant:
      check(choice.age.size() < std::max<std::size_t>(code.size(), 1));
      check(std::all_of(choice.age.begin(), choice.age.end(),
                        [](char c) { return c >= '0' && c <= '9'; }));
      break;
    case Ptc::Others:
      check(choice.others == code);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::size_t maxFields = input.ConsumeIntegralInRange<std::size_t>(0, 50);
  const int row = input.ConsumeIntegralInRange<int>(-3, kPassengerRows + 2);
  const bool autoCreate = input.ConsumeBool();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const MainRecord given = parseMainRecord(text, Cleaning::AsGiven, maxFields);
  const MainRecord cleaned = parseMainRecord(text, Cleaning::Cleaned, maxFields);
  check(given.fieldCount == fieldsIn(text, maxFields));
  check(cleaned.fieldCount == given.fieldCount);
  for (std::size_t i = 0; i < kMainRecordFields; ++i) {
    check(given.fields[i].size() <= kProfileValueLength);
    check(cleaned.fields[i].size() <= given.fields[i].size());
    if (i >= given.fieldCount) check(given.fields[i].empty() && cleaned.fields[i].empty());
  }
  for (ProfileField field : {ProfileField::PassengerName, ProfileField::Title}) {
    check(cleanCharacters(cleaned[field], CharacterClass::Names) == cleaned[field]);
  }
  check(cleanCharacters(cleaned[ProfileField::Email], CharacterClass::Email) ==
        cleaned[ProfileField::Email]);
  check(cleaned[ProfileField::MobilePhone].find('-') == std::string::npos);
  const std::string& gender = cleaned[ProfileField::Gender];
  check(gender.empty() || gender == "M" || gender == "F");
  checkName(given[ProfileField::PassengerName]);
  checkName(cleaned[ProfileField::PassengerName]);
  checkPtc(given[ProfileField::Ptc]);

  const DependantRecord dependant = parseDependantRecord(text);
  for (const std::string* field :
       {&dependant.surname, &dependant.givenName, &dependant.title, &dependant.icNumber,
        &dependant.customerNumber, &dependant.dependantNumber, &dependant.relation,
        &dependant.gender, &dependant.dateOfBirth, &dependant.documentDateOfBirth,
        &dependant.nationality1, &dependant.nationality2, &dependant.passportNumber1,
        &dependant.passportNumber2}) {
    check(field->size() <= kProfileValueLength);
  }

  const std::string corporate = parseCorporateRecord(text);
  check(corporate == (text.empty() ? std::string() : text.substr(1, kProfileValueLength)));

  for (LookupKind kind : {LookupKind::Surname, LookupKind::GivenName, LookupKind::Corporate}) {
    const ProfileImport imported = importProfile(text, kind, row, autoCreate);
    if (imported.record) {
      check(imported.record->fieldCount <= kMainRecordFields);
      for (const std::string& field : imported.record->fields) {
        check(field.size() <= kProfileValueLength);
      }
    }
    if (imported.firstRow) {
      for (const auto* lines :
           {&imported.firstRow->billingLines, &imported.firstRow->deliveryLines}) {
        for (const std::string& line : *lines) check(line.size() <= kAddressLineLength);
      }
    }
    if (imported.sfCustId) check(imported.sfCustId->size() <= kProfileValueLength);
    const std::optional<DialogRecord> dialog = readDialogRecord(text, kind);
    check(dialog.has_value() == (text.size() < 1024));
    if (dialog && dialog->kind == LookupKind::Surname) {
      check(dialog->main.fieldCount <= kDialogRecordFields);
    }
  }
  for (const std::string& line : addressLines(text)) check(line.size() <= kAddressLineLength);
  return 0;
}
