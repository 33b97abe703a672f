#pragma once
// What an agent sees of a mask's controls and does with them, as every container reports and
// acts: the state a control shows (the drive's dump line, the web page's control), the
// selection of the focused control, the control an action names and the choice of a list
// entry. One place decides which parts each kind of control has; the containers add what is
// theirs alone (the page's rectangles and fonts, the drive's hosted-control lines). Typing,
// clicking and keys are the platform's (AgentInput.h) and act alike for every container.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Graphics.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"

namespace desk {

// A control's state; texts in UTF-8. The parts a kind of control lacks are left out.
struct ControlState {
  std::string_view kind;  // see controlKind
  std::string text;
  bool enabled = false;
  bool visible = false;
  std::optional<int> checked;                     // check boxes and radio buttons: 0 or 1
  std::optional<std::vector<std::string>> items;  // list and combo boxes: the entries' texts
  int selected = -1;                              // with items: the selected entry, -1 none
  // Edits and every combo box: the limit a program gave it. A drop-down list keeps the limit
  // it was given too, though there is no edit part that it limits.
  std::optional<int> limit;
  std::optional<platform::PaintColours> colours;  // controls painted as statics
};

// The control's colours are asked of its dialog, as painting asks them.
ControlState controlStateOf(platform::Window& control);

// The selection the agent sees in the control: only a control with an edit part has one.
std::optional<platform::TextSelection> agentSelection(const platform::Window& control);

// Writes the parts of the state that the control has into a JSON object, in this order:
// "kind", "text", "enabled", "visible", "checked", "items", "selected", "limit", "color" (the
// text colour). Json is the caller's nlohmann JSON type (this library links none).
template <class Json>
void writeControlState(Json& into, const ControlState& state) {
  into["kind"] = state.kind;
  into["text"] = state.text;
  into["enabled"] = state.enabled;
  into["visible"] = state.visible;
  if (state.checked) into["checked"] = *state.checked;
  if (state.items) {
    into["items"] = *state.items;
    into["selected"] = state.selected;
  }
  if (state.limit) into["limit"] = *state.limit;
  if (state.colours) into["color"] = platform::colourToHex(state.colours->text);
}

// An action that does not fit the control it names; nothing of it was done.
class ActionError : public std::runtime_error {
 public:
  enum class Reason {
    NoSuchControl,  // the dialog holds no control with the id
    DoesNotFit,     // the control cannot do what the action asks
  };
  ActionError(Reason reason, const std::string& message)
      : std::runtime_error(message), reason_(reason) {}
  Reason reason() const { return reason_; }

 private:
  Reason reason_;
};

// The dialog's control with the id; ActionError when it holds none.
platform::Window& dialogControl(platform::Window& dialog, long long id);

// Chooses entry index (-1: none) of a list or combo box as the mouse does; ActionError when the
// control holds no list or no such entry.
void chooseListEntry(platform::Window& control, int index);

}  // namespace desk
