#include "desk/drive/ModalAnswers.h"

#include <sstream>
#include <vector>

#include "desk/container/DialogAnswers.h"
#include "desk/drive/ScriptLine.h"
#include "platform/window/Messages.h"

namespace desk {
namespace {

std::vector<std::string> splitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// The text after the first blank, or nothing when there is none.
std::string afterBlank(const std::string& text) {
  const auto blank = text.find(' ');
  return blank == std::string::npos ? std::string() : text.substr(blank + 1);
}

// The words of an answer line that is not a cancel, as the script writes them: the dialogs a
// person confirms (addpax, policy, doss) begin with "ok"; a code's description and an
// add-passenger list text keep their blanks.
std::vector<std::string> answerWords(DialogKind kind, const std::string& arguments) {
  const bool confirmed = kind == DialogKind::AddPassenger || kind == DialogKind::TravelPolicy ||
                         kind == DialogKind::TravellerProfile;
  if (confirmed && (arguments != "ok" && !arguments.starts_with("ok "))) {
    throw ScriptError(std::string(dialogKindName(kind)) + " answers ok " +
                      std::string(answerForm(kind)) + " or cancel");
  }
  switch (kind) {
    case DialogKind::Coder: {
      const auto blank = arguments.find(' ');
      return {arguments.substr(0, blank), afterBlank(arguments)};
    }
    case DialogKind::AddPassenger: {
      const std::string rest = afterBlank(arguments);
      return {rest.substr(0, rest.find(' ')), afterBlank(rest)};
    }
    case DialogKind::TravelPolicy:
    case DialogKind::TravellerProfile:
      return splitWords(afterBlank(arguments));
    case DialogKind::Calendar:
    case DialogKind::FrequentFlyer:
      break;
  }
  return splitWords(arguments);
}

}  // namespace

void ModalAnswers::queue(const std::string& kindName, const std::string& arguments) {
  const std::optional<DialogKind> kind = dialogKindNamed(kindName);
  if (!kind) throw ScriptError("unknown dialog kind \"" + kindName + "\"");
  if (arguments == "cancel") {
    answers_[*kind].push_back({true, {}});
    return;
  }
  std::vector<std::string> words = answerWords(*kind, arguments);
  if (auto fault = answerFault(*kind, words)) throw ScriptError(*fault);
  answers_[*kind].push_back({false, std::move(words)});
}

std::optional<ModalAnswer> ModalAnswers::take(DialogKind kind) {
  auto found = answers_.find(kind);
  if (found == answers_.end() || found->second.empty()) return std::nullopt;
  ModalAnswer answer = std::move(found->second.front());
  found->second.pop_front();
  return answer;
}

int ModalAnswers::answerMessageBox(const MessageBoxRequest&) {
  return platform::IDOK;
}

std::optional<ModalAnswer> ModalAnswers::answerModalDialog(DialogKind kind) {
  return take(kind);
}

}  // namespace desk
