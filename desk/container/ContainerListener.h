#pragma once
// The front end of a container: it is told everything a container or an agent can observe of
// the hosted mask, in the order it happens. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/container/DialogKind.h"
#include "desk/container/DialogRequests.h"
#include "platform/com/ComTypes.h"

namespace desk {

// A line that reached the framework log, its text formatted.
struct LogLine {
  std::string module;
  std::string operation;
  std::string text;
};

// What a container call ("SetResponse", "Lang", ...) returned.
struct CallResult {
  std::string member;
  HRESULT result = S_OK;
  std::optional<std::string> value;  // the value a property get read, even when it failed
};

class ContainerListener {
 public:
  virtual ~ContainerListener() = default;

  // The mask fired an event: its name as in its event interface, its string arguments in
  // declared order.
  virtual void eventFired(std::string_view name, const std::vector<std::string>& arguments) = 0;
  // A message box is shown (before it is answered), then closed with a button (IDOK, ...).
  virtual void messageBoxShown(const MessageBoxRequest& box) = 0;
  virtual void messageBoxClosed(const MessageBoxRequest& box, int button) = 0;
  // A modal dialog opens (before it is answered), then closes with its answer; no answer
  // when the answerer had none (the dialog is then cancelled).
  virtual void modalDialogOpened(DialogKind kind) = 0;
  virtual void modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) = 0;
  // The mask asks the shell to open a document or an address.
  virtual void shellOpened(std::string_view target) = 0;
  // The framework libraries wrote a log line; the mask asked the desktop for something.
  virtual void logged(const LogLine& line) = 0;
  virtual void requested(std::string_view name) = 0;
  // A container call returned.
  virtual void callReturned(const CallResult& call) = 0;
};

}  // namespace desk
