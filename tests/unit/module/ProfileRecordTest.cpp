// Customer profile records: the three kinds, the cleaning by character class, the name split
// after cleaning, the PTC codes, and records that are short, overlong or full of specials.

#include "masks/fit/ProfileRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fit;
using F = ProfileField;

// A main record of 46 fields, each "Fnn" unless replaced.
std::string mainRecord(const std::vector<std::pair<F, std::string>>& values, char kind = '1') {
  std::array<std::string, kMainRecordFields> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = "F" + std::to_string(i + 1);
  for (const auto& [field, value] : values) fields[static_cast<std::size_t>(field)] = value;
  std::string text(1, kind);
  for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "\\" : "") + fields[i];
  return text;
}

TEST(ProfileRecordTest, FieldsFollowTheKindDigitInRecordOrder) {
  const MainRecord record = parseMainRecord(mainRecord({}));
  EXPECT_EQ(record.fieldCount, 46u);
  EXPECT_EQ(record[F::PassengerName], "F1");
  EXPECT_EQ(record[F::CustomerNumber], "F5");
  EXPECT_EQ(record[F::FrequentFlyerCards], "F37");
  EXPECT_EQ(record[F::DocumentDateOfBirth], "F40");
  EXPECT_EQ(record[F::FaxPhoneFlag], "F46");
}

TEST(ProfileRecordTest, ShortRecordsLeaveTheMissingFieldsEmpty) {
  struct Case {
    std::string text;
    std::size_t count;
    std::string name, title, ptc;
  };
  const std::vector<Case> cases = {
      {"", 0, "", "", ""},
      {"1", 1, "", "", ""},
      {"1SMITH JOHN", 1, "SMITH JOHN", "", ""},
      {"1SMITH JOHN\\MR", 2, "SMITH JOHN", "MR", ""},
      {"1SMITH JOHN\\MR\\\\CHD", 4, "SMITH JOHN", "MR", "CHD"},
      {"1\\\\\\", 4, "", "", ""},
  };
  for (const Case& c : cases) {
    const MainRecord record = parseMainRecord(c.text);
    EXPECT_EQ(record.fieldCount, c.count) << c.text;
    EXPECT_EQ(record[F::PassengerName], c.name) << c.text;
    EXPECT_EQ(record[F::Title], c.title) << c.text;
    EXPECT_EQ(record[F::Ptc], c.ptc) << c.text;
    EXPECT_EQ(record[F::FaxPhoneFlag], "") << c.text;
  }
}

TEST(ProfileRecordTest, OverlongRecordsAndFieldsAreCut) {
  std::string text = mainRecord({{F::CustomerNumber, std::string(5000, '7')}});
  for (int i = 0; i < 100; ++i) text += "\\extra";
  const MainRecord record = parseMainRecord(text);
  EXPECT_EQ(record.fieldCount, 46u);
  EXPECT_EQ(record[F::CustomerNumber], std::string(1023, '7'));
  EXPECT_EQ(record[F::FaxPhoneFlag], "F46");

  const MainRecord dialog = parseMainRecord(mainRecord({}), Cleaning::AsGiven, kDialogRecordFields);
  EXPECT_EQ(dialog.fieldCount, 36u);
  EXPECT_EQ(dialog[F::FaxPhoneValue], "F36");
  EXPECT_EQ(dialog[F::FrequentFlyerCards], "");
}

TEST(ProfileRecordTest, CharacterClassesBecomeBlanks) {
  const std::string specials = "!#$%^&():<>?~\"';`{}[]+=|\\/\xA5*,@_.-";
  struct Case {
    CharacterClass characterClass;
    std::string kept;  // the specials this class keeps
  };
  const std::vector<Case> cases = {
      {CharacterClass::Names, ""},
      {CharacterClass::Addresses, "/\xA5*,.-"},
      {CharacterClass::Phones, "-"},
      {CharacterClass::Email, "@_.-"},
  };
  for (const Case& c : cases) {
    const std::string cleaned = cleanCharacters("A" + specials + "z9 \r\n\xE9", c.characterClass);
    std::string expected = "A";
    for (char s : specials) expected += c.kept.find(s) == std::string::npos ? ' ' : s;
    expected += "z9 \r\n\xE9";
    EXPECT_EQ(cleaned, expected) << static_cast<int>(c.characterClass);
  }
}

TEST(ProfileRecordTest, MainRecordFieldsAreCleanedByTheirClass) {
  const MainRecord record = parseMainRecord(mainRecord({
      {F::PassengerName, "  O'NEIL JOHN. "},
      {F::Title, "M.R"},
      {F::Gender, "Male"},
      {F::HomePhone, "(65) 123-456"},
      {F::MobilePhone, "9123-4567*"},
      {F::Email, " a_b.c@d-e.com; "},
      {F::IcNumber, "S123/4"},
      {F::PassportNumber1, "E12#34/5"},
      {F::Department, " D_1 "},
      {F::BillingAddress, "1 Main St #02-01\r\nSingapore"},
      {F::CompanyName, "A&B Pte. Ltd."},
      {F::ContactSurname, "LEE-TAN"},
      {F::ContactPhone, "(65)1234-5"},
      {F::ContactFax, "65.1234-5"},
      {F::OsiValue1, "X@Y/Z"},
      {F::TravelPolicy, "kept as given: #$%"},
  }));
  EXPECT_EQ(record[F::PassengerName], "O NEIL JOHN");
  EXPECT_EQ(record[F::Title], "M R");
  EXPECT_EQ(record[F::Gender], "M");
  EXPECT_EQ(record[F::HomePhone], " 65  123-456");
  EXPECT_EQ(record[F::MobilePhone], "9123 4567 ");
  EXPECT_EQ(record[F::Email], "a_b.c@d-e.com");
  EXPECT_EQ(record[F::IcNumber], "S123 4");
  EXPECT_EQ(record[F::PassportNumber1], "E12 34/5");
  EXPECT_EQ(record[F::Department], " D 1 ");
  EXPECT_EQ(record[F::BillingAddress], "1 Main St  02-01\r\nSingapore");
  EXPECT_EQ(record[F::CompanyName], "A B Pte. Ltd.");
  EXPECT_EQ(record[F::ContactSurname], "LEE TAN");
  EXPECT_EQ(record[F::ContactPhone], " 65 1234-5");
  EXPECT_EQ(record[F::ContactFax], "65 1234-5");
  EXPECT_EQ(record[F::OsiValue1], "X Y/Z");
  EXPECT_EQ(record[F::TravelPolicy], "kept as given: #$%");
  EXPECT_EQ(
      parseMainRecord(mainRecord({{F::PassengerName, "A'B"}}), Cleaning::AsGiven)[F::PassengerName],
      "A'B");
}

TEST(ProfileRecordTest, GenderIsMaleOrFemaleWhenGiven) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Male", "M"}, {"Female", "F"}, {"male", "F"}, {"X", "F"}, {"", ""}};
  for (const auto& [given, expected] : cases) {
    EXPECT_EQ(parseMainRecord(mainRecord({{F::Gender, given}}))[F::Gender], expected) << given;
  }
}

TEST(ProfileRecordTest, TravellerNamesSplitAtTheFirstBlank) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"SMITH JOHN", "SMITH", "JOHN"},   {"O NEIL JOHN", "O", "NEIL JOHN"}, {"SMITH", "SMITH", ""},
      {"SMITH  JOHN ", "SMITH", "JOHN"}, {"*EmptyPaxName*", "", ""},        {"", "", ""},
  };
  for (const auto& [name, surname, given] : cases) {
    const TravellerName split = splitTravellerName(name);
    EXPECT_EQ(split.surname, surname) << name;
    EXPECT_EQ(split.givenName, given) << name;
  }
  // The cleaned name of a record, split.
  const MainRecord record = parseMainRecord(mainRecord({{F::PassengerName, "O'NEIL JOHN"}}));
  EXPECT_EQ(splitTravellerName(record[F::PassengerName]).surname, "O");
  EXPECT_EQ(splitTravellerName(record[F::PassengerName]).givenName, "NEIL JOHN");
}

TEST(ProfileRecordTest, PtcCodesChooseTheRowPtc) {
  const std::vector<std::pair<std::string, PtcChoice>> cases = {
      {"", {Ptc::Adult, "", ""}},        {"ADT", {Ptc::Adult, "", ""}},
      {"CHD", {Ptc::Child, "", ""}},     {"CNN", {Ptc::Child, "", ""}},
      {"INF", {Ptc::Infant, "", ""}},    {"INN", {Ptc::Infant, "", ""}},
      {"C05", {Ptc::Child, "05", ""}},   {"I10", {Ptc::Infant, "10", ""}},
      {"STU", {Ptc::Others, "", "STU"}}, {"C5X", {Ptc::Others, "", "C5X"}},
      {"Z12", {Ptc::Others, "", "Z12"}}, {"C-1", {Ptc::Others, "", "C-1"}},
      {"adt", {Ptc::Others, "", "adt"}}, {"C", {Ptc::Child, "", ""}},
  };
  for (const auto& [code, expected] : cases) {
    EXPECT_EQ(ptcFromProfileCode(code), expected) << code;
  }
}

TEST(ProfileRecordTest, DependantAndCorporateRecords) {
  const DependantRecord dependant = parseDependantRecord(
      "2 TAN \\ MEI \\MS\\S1\\C100\\002\\SPOUSE\\F\\01JAN80\\01JAN1980\\SG\\MY\\E1\\E2\\extra");
  EXPECT_EQ(dependant.surname, "TAN");
  EXPECT_EQ(dependant.givenName, "MEI");
  EXPECT_EQ(dependant.title, "MS");
  EXPECT_EQ(dependant.customerNumber, "C100");
  EXPECT_EQ(dependant.dependantNumber, "002");
  EXPECT_EQ(dependant.passportNumber2, "E2");
  const DependantRecord shortOne = parseDependantRecord("2TAN");
  EXPECT_EQ(shortOne.surname, "TAN");
  EXPECT_EQ(shortOne.dependantNumber, "");
  EXPECT_EQ(parseDependantRecord("").surname, "");

  EXPECT_EQ(parseCorporateRecord("3CORP123"), "CORP123");
  EXPECT_EQ(parseCorporateRecord("3"), "");
  EXPECT_EQ(parseCorporateRecord(""), "");
  EXPECT_EQ(parseCorporateRecord("3" + std::string(2000, 'X')).size(), 1023u);
}

}  // namespace
