#pragma once
// Typing in a mask's combo boxes. On an edit change, the text typed so far is looked up among
// the entries (the first that begins with it, in any letter case); a match is selected and
// the rest of its text highlighted, so that typing goes on over it. On losing the focus the
// same lookup is made, and without a match the selection is cleared. Whenever this changes
// the selection, the combo box notifies its dialog as a choice with the mouse does
// (selection accepted), so that the fields switch their controls for the new entry.

#include "platform/window/Window.h"

namespace fields {

// Acts on the edit-change and focus-lost notifications of any combo box of the dialog;
// returns true when it handled the message.
bool HandleComboTyping(const platform::Message& message);

}  // namespace fields
