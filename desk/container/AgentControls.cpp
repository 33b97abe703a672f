#include "desk/container/AgentControls.h"

#include <limits>

#include "desk/container/ControlKind.h"
#include "desk/container/TextEncoding.h"
#include "platform/window/AgentInput.h"

namespace desk {

using namespace platform;

ControlState controlStateOf(Window& control) {
  ControlState state;
  state.kind = controlKind(control);
  state.text = utf8FromLatin1(control.text());
  state.enabled = control.isEnabled();
  state.visible = control.isVisible();
  if (isCheckable(control)) state.checked = control.checkState();
  if (control.hasList()) {
    std::vector<std::string>& items = state.items.emplace();
    for (const ListEntry& entry : control.entries()) items.push_back(utf8FromLatin1(entry.text));
    state.selected = control.currentEntry();
  }
  if (control.windowClass() == WindowClass::Edit ||
      control.windowClass() == WindowClass::ComboBox) {
    state.limit = control.textLimit();
  }
  if (paintsAsStatic(control)) state.colours = staticColours(control);
  return state;
}

std::optional<TextSelection> agentSelection(const Window& control) {
  if (!control.hasEditPart()) return std::nullopt;
  return control.selection();
}

Window& dialogControl(Window& dialog, long long id) {
  constexpr long long kLowest = std::numeric_limits<int>::min();
  constexpr long long kHighest = std::numeric_limits<int>::max();
  Window* found = id >= kLowest && id <= kHighest ? dialog.child(static_cast<int>(id)) : nullptr;
  if (found == nullptr) {
    throw ActionError(ActionError::Reason::NoSuchControl,
                      "the dialog holds no control " + std::to_string(id));
  }
  return *found;
}

// A control without a list has no entries: any index but -1 names no entry of it.
void chooseListEntry(Window& control, int index) {
  const std::string name = "control " + std::to_string(control.id());
  if (index < -1 || index >= control.entryCount()) {
    throw ActionError(ActionError::Reason::DoesNotFit,
                      name + " has no entry " + std::to_string(index));
  }
  if (!control.hasList()) {
    throw ActionError(ActionError::Reason::DoesNotFit, name + " is not a list");
  }
  chooseEntry(control, index);
}

}  // namespace desk
