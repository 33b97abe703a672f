#pragma once
// How a container answers the message boxes and modal dialogs of its mask: a script answers
// from its queued answers, a person through the front end. Each call returns only when the
// box or dialog is answered; the mask waits meanwhile.

#include <optional>

#include "desk/container/DialogKind.h"
#include "desk/container/DialogRequests.h"

namespace desk {

class DialogAnswerer {
 public:
  virtual ~DialogAnswerer() = default;
  // The button that closed the box (IDOK, ...).
  virtual int answerMessageBox(const MessageBoxRequest& box) = 0;
  // The answer of a modal dialog of this kind; nothing when there is none to give (the dialog
  // is cancelled).
  virtual std::optional<ModalAnswer> answerModalDialog(DialogKind kind) = 0;
};

}  // namespace desk
