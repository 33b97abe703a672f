#include "platform/window/AgentInput.h"

#include <array>
#include <utility>

#include "platform/window/Desktop.h"
#include "platform/window/TextMetrics.h"
#include "platform/window/WindowRef.h"

namespace platform {
namespace {

struct KeyStroke {
  std::string_view name;
  Key key;
  UINT message;
  WPARAM virtualKey;
  LPARAM flags;
  char character;  // 0 when the key types no character
};

constexpr std::array kKeyStrokes{
    KeyStroke{"Enter", Key::Enter, WM_KEYDOWN, VK_RETURN, 0, '\r'},
    KeyStroke{"Alt+Up", Key::AltUp, WM_SYSKEYDOWN, VK_UP, KF_ALTDOWN_LPARAM, 0},
    KeyStroke{"F1", Key::F1, WM_KEYDOWN, VK_F1, 0, 0},
    KeyStroke{"Space", Key::Space, WM_KEYDOWN, VK_SPACE, 0, ' '},
    KeyStroke{"Escape", Key::Escape, WM_KEYDOWN, VK_ESCAPE, 0, '\x1b'},
    KeyStroke{"Tab", Key::Tab, WM_KEYDOWN, VK_TAB, 0, '\t'},
    KeyStroke{"Backspace", Key::Backspace, WM_KEYDOWN, VK_BACK, 0, '\b'},
};

const KeyStroke& strokeOf(Key key) {
  for (const KeyStroke& stroke : kKeyStrokes) {
    if (stroke.key == key) return stroke;
  }
  return kKeyStrokes.front();
}

LPARAM textMiddle(const Window& control) {
  const Rect text = textRectangle(control);
  const Rect& bounds = control.rect();
  const int x = text.width() > 0 ? (text.left + text.right) / 2 : bounds.width() / 2;
  const int y = text.height() > 0 ? (text.top + text.bottom) / 2 : bounds.height() / 2;
  return makeLParam(x, y);
}

// A disabled dialog takes no input for any of its controls, as a disabled window's children
// get none.
bool enabledWithItsParents(const Window& control) {
  for (const Window* window = &control; window != nullptr; window = window->parent()) {
    if (!window->isEnabled()) return false;
  }
  return true;
}

}  // namespace

std::optional<Key> keyFromName(std::string_view name) {
  for (const KeyStroke& stroke : kKeyStrokes) {
    if (stroke.name == name) return stroke.key;
  }
  return std::nullopt;
}

bool acceptsInput(const Window& control) {
  return enabledWithItsParents(control) && control.isShown();
}

// A disabled window cannot take the focus: it stays where it was.
void focusControl(Window& control) {
  if (!enabledWithItsParents(control)) return;
  desktop().setFocus(&control);
}

void typeText(Window& control, std::string_view text) {
  if (!acceptsInput(control)) return;
  focusControl(control);
  for (char character : text) {
    // The focus may move while typing (a field may react to a character); the keys go where
    // the focus is, as they would.
    Window* target = desktop().focus();
    if (target == nullptr) return;
    target->send(WM_CHAR, static_cast<unsigned char>(character));
  }
}

// A key for a disabled control, or for a control of a disabled dialog, goes nowhere: the
// mask that waits disabled neither sends nor recalls.
void pressKey(Key key, Window* activeWindow) {
  Window* target = desktop().focus() != nullptr ? desktop().focus() : activeWindow;
  if (target == nullptr || !enabledWithItsParents(*target)) return;
  const WindowRef pressed(*target);
  const KeyStroke& stroke = strokeOf(key);
  target->send(stroke.message, stroke.virtualKey, stroke.flags);
  // Only the focused control takes the character a key types.
  if (stroke.character != 0 && pressed.get() != nullptr && desktop().focus() == target) {
    target->send(WM_CHAR, static_cast<unsigned char>(stroke.character), stroke.flags);
  }
}

void click(Window& control) {
  if (!acceptsInput(control)) return;
  const LPARAM point = textMiddle(control);
  const WindowRef clicked(control);
  control.send(WM_LBUTTONDOWN, 0, point);
  if (Window* still = clicked.get()) still->send(WM_LBUTTONUP, 0, point);
}

void doubleClick(Window& control) {
  if (!acceptsInput(control)) return;
  const LPARAM point = textMiddle(control);
  const WindowRef clicked(control);
  const std::array sequence{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
  for (UINT message : sequence) {
    Window* still = clicked.get();
    if (still == nullptr) return;
    still->send(message, 0, point);
  }
}

void movePointerOnto(Window& control) {
  control.send(WM_MOUSEMOVE, 0, textMiddle(control));
}

void movePointerOff(Window& control) {
  control.send(WM_MOUSELEAVE);
}

bool showsOwnCursor(Window& control) {
  return control.isVisible() && control.send(WM_SETCURSOR) != 0;
}

void chooseEntry(Window& control, int index) {
  if (!acceptsInput(control)) return;
  focusControl(control);
  control.setCurrentEntry(index);
  if (control.windowClass() == WindowClass::ComboBox) {
    control.notifyParent(CBN_SELCHANGE);
    control.notifyParent(CBN_SELENDOK);
  } else {
    control.notifyParent(LBN_SELCHANGE);
  }
}

}  // namespace platform
