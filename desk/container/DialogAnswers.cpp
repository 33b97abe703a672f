#include "desk/container/DialogAnswers.h"

#include <algorithm>
#include <charconv>

#include "desk/controls/MonthCalendar.h"
#include "desk/state/AddPassengerControl.h"

namespace desk {
namespace {

struct AnswerShape {
  DialogKind kind;
  std::string_view form;
  std::size_t words;
};

constexpr std::array<AnswerShape, kDialogKinds.size()> kShapes{{
    {DialogKind::Calendar, "DAY MONTH YEAR", 3},
    {DialogKind::Coder, "CODE DESCRIPTION", 2},
    {DialogKind::AddPassenger, "MARKERS LISTTEXT", 2},
    {DialogKind::TravelPolicy, "VALUE1 VALUE2", 2},
    {DialogKind::TravellerProfile, "SURNAME GIVENNAME", 2},
    {DialogKind::FrequentFlyer, "INDEX", 1},
}};

const AnswerShape& shapeOf(DialogKind kind) {
  return *std::ranges::find(kShapes, kind, &AnswerShape::kind);
}

// The value of a word of one to longest decimal digits; nothing for any other word.
std::optional<int> decimal(const std::string& word, std::size_t longest) {
  if (word.empty() || word.size() > longest) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || word.front() == '-') {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> calendarFault(const std::vector<std::string>& words) {
  const auto day = decimal(words[0], 2);
  const auto month = decimal(words[1], 2);
  const auto year = decimal(words[2], 4);
  if (day && month && year && isCalendarDate(*day, *month, *year)) return std::nullopt;
  return "the calendar has no day " + words[0] + " " + words[1] + " " + words[2];
}

}  // namespace

std::string_view answerForm(DialogKind kind) {
  return shapeOf(kind).form;
}

std::optional<std::string> answerFault(DialogKind kind, const std::vector<std::string>& words) {
  const AnswerShape& shape = shapeOf(kind);
  if (words.size() != shape.words) {
    return std::string(dialogKindName(kind)) + " answers " + std::string(shape.form);
  }
  switch (kind) {
    case DialogKind::Calendar:
      return calendarFault(words);
    case DialogKind::Coder:
      if (words[0].empty()) return std::string("the code lookup's answer has no code");
      return std::nullopt;
    case DialogKind::AddPassenger:
      if (!isProfileMarkers(words[0])) {
        return std::string("the profile markers are nine digits 0 or 1");
      }
      if (exceedsAddedPassengers(words[1])) {
        return "the add-passenger list holds at most " + std::to_string(kAddedPassengers) +
               " passengers";
      }
      return std::nullopt;
    case DialogKind::FrequentFlyer:
      if (!decimal(words[0], 3)) return std::string("the card is given by its index");
      return std::nullopt;
    case DialogKind::TravelPolicy:
    case DialogKind::TravellerProfile:
      return std::nullopt;  // the record's texts, whatever they are
  }
  return std::nullopt;
}

}  // namespace desk
