// The answers every container checks before a dialog's words reach the mask: the names of the
// dialog kinds, and for each kind the words it takes and the ones it refuses.

#include "desk/container/DialogAnswers.h"

#include <gtest/gtest.h>

#include <set>

namespace desk {
namespace {

TEST(DialogKinds, EachKindHasOneNameAndOnlyThoseNamesAreKinds) {
  std::set<std::string_view> names;
  for (DialogKind kind : kDialogKinds) {
    names.insert(dialogKindName(kind));
    EXPECT_EQ(dialogKindNamed(dialogKindName(kind)), kind) << dialogKindName(kind);
  }
  EXPECT_EQ(names,
            (std::set<std::string_view>{"calendar", "coder", "addpax", "policy", "doss", "ffp"}));
  for (std::string_view other : {"", "Calendar", "msgbox", "ffp ", "cal"}) {
    EXPECT_EQ(dialogKindNamed(other), std::nullopt) << other;
  }
}

struct AnswerCase {
  DialogKind kind;
  std::vector<std::string> words;
  std::optional<std::string> fault;  // nothing: the answer is taken
};

// Ten entries joined by '=', one more than the control holds.
std::string passengers(int count) {
  std::string list;
  for (int each = 0; each < count; ++each) {
    if (each > 0) list += "=";
    list += "P" + std::to_string(each) + ",G,,0";
  }
  return list;
}

TEST(DialogAnswers, EachKindTakesTheWordsOfItsFormAndRefusesTheRest) {
  using K = DialogKind;
  const std::string noDay = "the calendar has no day ";
  const std::string markers = "the profile markers are nine digits 0 or 1";
  const std::string card = "the card is given by its index";
  const AnswerCase cases[] = {
      {K::Calendar, {"29", "2", "2028"}, std::nullopt},
      {K::Calendar, {"05", "03", "2026"}, std::nullopt},
      {K::Calendar, {"31", "12", "9999"}, std::nullopt},
      {K::Calendar, {"29", "2", "2027"}, noDay + "29 2 2027"},
      {K::Calendar, {"1", "1", "1600"}, noDay + "1 1 1600"},
      {K::Calendar, {"0", "1", "2026"}, noDay + "0 1 2026"},
      // Read as the calendar reads them: decimal digits only, so "0x5" is no fifth.
      {K::Calendar, {"0x5", "3", "2026"}, noDay + "0x5 3 2026"},
      {K::Calendar, {"-1", "3", "2026"}, noDay + "-1 3 2026"},
      {K::Calendar, {"+5", "3", "2026"}, noDay + "+5 3 2026"},
      {K::Calendar, {"005", "3", "2026"}, noDay + "005 3 2026"},
      {K::Calendar, {"5", "3", "02026"}, noDay + "5 3 02026"},
      {K::Calendar, {"5", "3", ""}, noDay + "5 3 "},
      {K::Calendar, {"5", "3"}, "calendar answers DAY MONTH YEAR"},
      {K::Coder, {"SIN", "Singapore Changi"}, std::nullopt},
      {K::Coder, {"SIN", ""}, std::nullopt},
      {K::Coder, {"", "Singapore"}, "the code lookup's answer has no code"},
      {K::Coder, {"SIN"}, "coder answers CODE DESCRIPTION"},
      {K::AddPassenger, {"100000000", "SMITH,JOHN,MR,0,,,,C1=LEE,ANN,MS,1"}, std::nullopt},
      {K::AddPassenger, {"000000000", ""}, std::nullopt},
      {K::AddPassenger, {"111111111", passengers(9)}, std::nullopt},
      {K::AddPassenger,
       {"111111111", passengers(10)},
       "the add-passenger list holds at most 9 passengers"},
      {K::AddPassenger, {"00000000", "SMITH"}, markers},
      {K::AddPassenger, {"0000000000", "SMITH"}, markers},
      {K::AddPassenger, {"00000000a", "SMITH"}, markers},
      {K::AddPassenger, {"000000000"}, "addpax answers MARKERS LISTTEXT"},
      {K::TravelPolicy, {"CORP1", "GOLD"}, std::nullopt},
      {K::TravelPolicy, {"CORP1", ""}, std::nullopt},
      {K::TravelPolicy, {"CORP1"}, "policy answers VALUE1 VALUE2"},
      {K::TravellerProfile, {"TAN", "MEI"}, std::nullopt},
      {K::TravellerProfile, {"TAN", "MEI", "MS"}, "doss answers SURNAME GIVENNAME"},
      {K::FrequentFlyer, {"0"}, std::nullopt},
      {K::FrequentFlyer, {"999"}, std::nullopt},
      {K::FrequentFlyer, {"1000"}, card},
      {K::FrequentFlyer, {"-1"}, card},
      {K::FrequentFlyer, {"0x1"}, card},
      {K::FrequentFlyer, {""}, card},
      {K::FrequentFlyer, {"0", "1"}, "ffp answers INDEX"},
      {K::FrequentFlyer, {}, "ffp answers INDEX"},
  };
  for (const AnswerCase& test : cases) {
    std::string shown(dialogKindName(test.kind));
    for (const std::string& word : test.words) shown += " [" + word.substr(0, 20) + "]";
    EXPECT_EQ(answerFault(test.kind, test.words), test.fault) << shown;
  }
}

}  // namespace
}  // namespace desk
