#pragma once
// Answers a script queues for the modal dialogs a mask will open, one queue per kind of
// dialog. Each answer is checked when it is queued, so that a wrong one stops the script at
// its own line.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace desk {

struct ModalAnswer {
  bool cancelled = false;
  std::vector<std::string> words;  // the answer's words when not cancelled
};

class ModalAnswers {
 public:
  // KIND ARGS of an "answer" line; throws ScriptError when they do not fit the kind.
  void queue(const std::string& kind, const std::string& arguments);
  // The next answer for the kind; nothing when none is queued.
  std::optional<ModalAnswer> take(const std::string& kind);

 private:
  std::map<std::string, std::deque<ModalAnswer>> answers_;
};

}  // namespace desk
