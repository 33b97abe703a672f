#pragma once
// What an agent does with keyboard and mouse, as messages to the windows. Every container
// drives masks through these operations, so that a script and a browser act alike.

#include <optional>
#include <string_view>

#include "platform/window/Window.h"

namespace platform {

enum class Key { Enter, AltUp, F1, Space, Escape, Tab, Backspace };

// "Enter", "Alt+Up", "F1", "Space", "Escape", "Tab", "Backspace".
std::optional<Key> keyFromName(std::string_view name);

// Whether the agent can reach the control: enabled and shown.
bool acceptsInput(const Window& control);

// Gives the focus to the control; a disabled control (or one of a disabled dialog) cannot
// take it, and the focus stays where it was.
void focusControl(Window& control);
// Focuses the control and types the text key by key at its selection. The edit's own rules
// apply: upper-case conversion, the text limit, read-only.
void typeText(Window& control, std::string_view text);
// Presses a key in the focused window; in activeWindow when no window has the focus. A key
// for a disabled window, or a window of a disabled dialog, does nothing.
void pressKey(Key key, Window* activeWindow = nullptr);
// A left click in the middle of the control's text: pressed and released.
void click(Window& control);
void doubleClick(Window& control);
// The pointer comes to rest in the middle of the control's text, or leaves the control.
void movePointerOnto(Window& control);
void movePointerOff(Window& control);
// Whether the control under the pointer shows its own cursor (the hand of a link) rather than
// the arrow: the control is asked, as the window system asks it.
bool showsOwnCursor(Window& control);
// Chooses entry index of a list or combo box as the mouse does (-1 clears the selection).
void chooseEntry(Window& control, int index);

}  // namespace platform
