#pragma once
// Answers a script queues for the modal dialogs a mask will open, one queue per kind of
// dialog. Each answer is checked when it is queued, so that a wrong one stops the script at
// its own line.

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "desk/container/DialogAnswerer.h"

namespace desk {

// Message boxes are answered OK at once.
class ModalAnswers final : public DialogAnswerer {
 public:
  // KIND ARGS of an "answer" line; throws ScriptError when they do not fit the kind.
  void queue(const std::string& kindName, const std::string& arguments);
  // The next answer for the kind; nothing when none is queued.
  std::optional<ModalAnswer> take(DialogKind kind);

  int answerMessageBox(const MessageBoxRequest& box) override;
  std::optional<ModalAnswer> answerModalDialog(DialogKind kind) override;

 private:
  std::map<DialogKind, std::deque<ModalAnswer>> answers_;
};

}  // namespace desk
