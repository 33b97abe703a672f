#pragma once
// What pressing Send would do now, computed by the desk rather than by a copy of a mask's
// rules: a hidden instance of the same mask class, created through the module, takes the
// control states of the shown dialog and runs its own Send in a desk::Sandbox. The hidden
// instance's container services record its message boxes, modal dialogs (cancelled) and shell
// opens, its events are recorded, and the keyboard focus of the desktop is given back as it was
// without the shown dialog hearing of it. User-interface thread only.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "desk/container/ModuleLoader.h"
#include "platform/window/Window.h"
#include "typelib/TypeLibrary.h"

namespace desk {

// The first thing Send would do that leaves the mask. Texts are UTF-8.
struct PreviewResult {
  enum class Kind {
    Nothing,  // Send does nothing the desk could see (no Send button, or one disabled)
    Command,  // the host command of the Send event
    Fault,    // a message box: the first fault
    Request,  // the host (SendCommand, SendTo) or the desktop framework (askForPAX) is asked
  };
  Kind kind = Kind::Nothing;
  std::string text;            // the command, the fault's message, or the request
  std::optional<int> control;  // a fault: the control that gets the cursor, when one does
  // A host entry the container can answer: the command Send sends once the answer is in, as
  // far as the answer lets the mask build it (empty when it is not known).
  std::string then;
};

// The reply the container's host would give to an entry (UTF-8), or nothing when it has none.
using HostAnswers = std::function<std::optional<std::string>(std::string_view entry)>;

// The preview in the form the drive and the web desk show: {"command": ...},
// {"fault": {"control": ID or null, "text": ...}}, {"request": ..., "then": ...} ("then" only
// when known), or {} when Send would do nothing. Json is the caller's nlohmann JSON type (this
// library links none).
template <class Json>
Json previewJson(const PreviewResult& result) {
  Json shown = Json::object();
  switch (result.kind) {
    case PreviewResult::Kind::Command:
      shown["command"] = result.text;
      break;
    case PreviewResult::Kind::Fault:
      shown["fault"] = {{"control", result.control ? Json(*result.control) : Json()},
                        {"text", result.text}};
      break;
    case PreviewResult::Kind::Request:
      shown["request"] = result.text;
      if (!result.then.empty()) shown["then"] = result.then;
      break;
    case PreviewResult::Kind::Nothing:
      break;  // Send would do nothing: an empty preview
  }
  return shown;
}

class MaskPreview {
 public:
  MaskPreview(const ModuleLoader& module, const typelib::ClassDescription& description);

  // shownDialog: the open dialog of the shown instance; language: that instance's Lang;
  // answers: the host's replies, given to the hidden instance when Send asks the host first,
  // so that the preview shows the command that follows (none: the request alone).
  // Throws std::runtime_error when the hidden instance cannot be created.
  PreviewResult run(const platform::Window& shownDialog, std::string_view language,
                    const HostAnswers& answers = {});

 private:
  const ModuleLoader& module_;
  const typelib::ClassDescription& description_;
};

// The Send button of a mask dialog: its default push button; null when it has none.
platform::Window* sendButtonOf(const platform::Window& dialog);

}  // namespace desk
