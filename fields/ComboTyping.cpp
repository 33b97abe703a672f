#include "fields/ComboTyping.h"

#include <string>

namespace fields {

using namespace platform;

namespace {

// The combo box a notification comes from, or null when it comes from another control.
Window* notifyingCombo(const Message& message) {
  if (message.code != WM_COMMAND) return nullptr;
  auto* control = reinterpret_cast<Window*>(message.lParam);
  if (control == nullptr || control->windowClass() != WindowClass::ComboBox) return nullptr;
  return control;
}

// Selects the entry (-1: none) and tells the dialog when the selection changed.
void select(Window& combo, int entry) {
  const bool changed = combo.currentEntry() != entry;
  combo.setCurrentEntry(entry);
  if (changed) combo.notifyParent(CBN_SELENDOK);
}

void completeTyping(Window& combo) {
  const std::string typed = combo.text();
  if (typed.empty()) return;
  const int found = combo.findEntryWithPrefix(typed);
  if (found < 0) return;
  select(combo, found);
  // The entry's text stands in the edit; the part not typed is highlighted.
  combo.setSelection(static_cast<int>(typed.size()), -1);
}

void matchOnLeaving(Window& combo) {
  const std::string typed = combo.text();
  select(combo, typed.empty() ? -1 : combo.findEntryWithPrefix(typed));
}

}  // namespace

bool HandleComboTyping(const Message& message) {
  Window* combo = notifyingCombo(message);
  if (combo == nullptr) return false;
  switch (highWord(message.wParam)) {
    case CBN_EDITCHANGE:
      completeTyping(*combo);
      return true;
    case CBN_KILLFOCUS:
      matchOnLeaving(*combo);
      return true;
    default:
      return false;
  }
}

}  // namespace fields
