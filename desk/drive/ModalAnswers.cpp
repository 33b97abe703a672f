#include "desk/drive/ModalAnswers.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

#include "desk/controls/MonthCalendar.h"
#include "desk/drive/ScriptLine.h"
#include "desk/state/AddPassengerControl.h"
#include "platform/window/Messages.h"

namespace desk {
namespace {

std::vector<std::string> splitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// The words of an answer that is not a cancel, checked against its kind.
std::vector<std::string> checkedAnswer(const std::string& kind, const std::string& arguments) {
  std::vector<std::string> words = splitWords(arguments);
  if (kind == "calendar") {
    if (words.size() != 3) throw ScriptError("calendar answers DAY MONTH YEAR or cancel");
    const int day = parseNumber<int>(words[0], "calendar number");
    const int month = parseNumber<int>(words[1], "calendar number");
    const int year = parseNumber<int>(words[2], "calendar number");
    // The calendar shows only days that exist.
    if (!isCalendarDate(day, month, year)) {
      throw ScriptError("the calendar has no day " + words[0] + " " + words[1] + " " + words[2]);
    }
    return words;
  }
  if (kind == "coder") {
    // CODE, then the description with its blanks.
    const auto blank = arguments.find(' ');
    if (arguments.empty()) throw ScriptError("coder answers CODE DESCRIPTION or cancel");
    return {arguments.substr(0, blank),
            blank == std::string::npos ? std::string() : arguments.substr(blank + 1)};
  }
  if (kind == "addpax") {
    // ok MARKERS LISTTEXT: the list text keeps its blanks.
    const auto first = arguments.find(' ');
    const auto second = first == std::string::npos ? first : arguments.find(' ', first + 1);
    const std::string markers = first == std::string::npos
                                    ? std::string()
                                    : arguments.substr(first + 1, second - first - 1);
    if (words.empty() || words[0] != "ok" || !isProfileMarkers(markers)) {
      throw ScriptError("addpax answers ok MARKERS LISTTEXT or cancel");
    }
    return {markers, second == std::string::npos ? std::string() : arguments.substr(second + 1)};
  }
  if (kind == "policy" || kind == "doss") {
    if (words.size() != 3 || words[0] != "ok") {
      throw ScriptError(kind + (kind == "policy" ? " answers ok VALUE1 VALUE2 or cancel"
                                                 : " answers ok SURNAME GIVENNAME or cancel"));
    }
    return {words[1], words[2]};
  }
  if (words.size() != 1) throw ScriptError("ffp answers INDEX or cancel");
  parseNumber<int>(words[0], "ffp index");
  return words;  // ffp
}

}  // namespace

void ModalAnswers::queue(const std::string& kind, const std::string& arguments) {
  constexpr std::array<std::string_view, 6> kKinds{"calendar", "coder", "addpax",
                                                   "policy",   "doss",  "ffp"};
  if (std::ranges::find(kKinds, kind) == kKinds.end()) {
    throw ScriptError("unknown dialog kind \"" + kind + "\"");
  }
  if (arguments == "cancel") {
    answers_[kind].push_back({true, {}});
  } else {
    answers_[kind].push_back({false, checkedAnswer(kind, arguments)});
  }
}

std::optional<ModalAnswer> ModalAnswers::take(const std::string& kind) {
  auto found = answers_.find(kind);
  if (found == answers_.end() || found->second.empty()) return std::nullopt;
  ModalAnswer answer = std::move(found->second.front());
  found->second.pop_front();
  return answer;
}

int ModalAnswers::answerMessageBox(const MessageBoxRequest&) {
  return platform::IDOK;
}

std::optional<ModalAnswer> ModalAnswers::answerModalDialog(std::string_view kind) {
  return take(std::string(kind));
}

}  // namespace desk
