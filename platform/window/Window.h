#pragma once
// A window of the headless window system: a dialog or one of its controls. It keeps the state
// an agent sees (text, enabled and visible states, selection, list entries, check state) and
// receives messages through a chain of handlers that end in the default procedure of its
// class. Subclassing a control is attaching a handler; giving it back is detaching it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Graphics.h"
#include "platform/window/Messages.h"

struct IDispatch;

namespace platform {

enum class WindowClass { Dialog, Static, Edit, ComboBox, ListBox, Button, Hosted };

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Message {
  UINT code;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Returns true when it handled the message (result then holds the answer); false passes the
// message on to the handlers attached before it and finally to the default procedure.
using MessageHandler = std::function<bool(const Message& message, LRESULT& result)>;
using HandlerId = std::uint64_t;

struct ListEntry {
  std::string text;
  std::intptr_t data = 0;
};

struct TextSelection {
  int start = 0;
  int end = 0;
};

class Window {
 public:
  Window(WindowClass windowClass, int id, std::string text, DWORD style, Rect rect);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowClass windowClass() const { return windowClass_; }
  // Given when the window is made and never to another window (see WindowRef).
  std::uint64_t serial() const { return serial_; }
  int id() const { return id_; }
  DWORD style() const { return style_; }
  // A program changes the style bits (a static that is to notify its clicks).
  void setStyle(DWORD style) { style_ = style; }
  // The control type bits of a static, button or combo style.
  DWORD styleType() const;
  // Position in the parent's client area, in pixels.
  const Rect& rect() const { return rect_; }
  // Moves the window within its parent (MoveWindow).
  void setRect(const Rect& rect) { rect_ = rect; }

  Window* parent() const { return parent_; }
  // A top-level window (a control's dialog) is placed in its container's window but owned
  // by the control that made it.
  void setParentWithoutOwnership(Window* parent) { parent_ = parent; }
  Window& addChild(std::unique_ptr<Window> child);
  const std::vector<std::unique_ptr<Window>>& children() const { return children_; }
  // The first direct child with the id, or null (a dialog's control by id).
  Window* child(int id) const;

  // Messages.
  LRESULT send(UINT code, WPARAM wParam = 0, LPARAM lParam = 0);
  void post(UINT code, WPARAM wParam = 0, LPARAM lParam = 0);
  HandlerId attachHandler(MessageHandler handler);
  void detachHandler(HandlerId id);
  // What the window does with a message that no handler took.
  LRESULT defaultProcedure(const Message& message);
  // WM_COMMAND with the window's id and the code, sent to the parent.
  void notifyParent(int code);

  // Text. setText goes through the handlers as WM_SETTEXT; a null text is no text at all.
  const std::string& text() const { return text_; }
  void setText(std::string_view text);
  void setNullText();

  bool isEnabled() const { return enabled_; }
  void enable(bool enabled);
  // The window's own visibility flag; isShown also asks that every parent be visible.
  bool isVisible() const { return visible_; }
  bool isShown() const;
  void show(int command);

  // An edit, or a combo box the agent types into: one that is not a drop-down list.
  bool hasEditPart() const;
  // A list box or combo box: a list of entries the agent chooses from.
  bool hasList() const { return windowClass_ == WindowClass::ListBox || isComboBox(); }
  // A combo box whose entries are all it shows: the agent chooses, and types nothing.
  bool isDropDownList() const;

  // Edits and the edit part of combo boxes.
  int textLimit() const { return textLimit_; }
  void setTextLimit(int limit);
  TextSelection selection() const { return selection_; }
  // EM_SETSEL: (0, -1) selects all, a start of -1 removes the selection; clamped to the text.
  void setSelection(int start, int end);
  bool isReadOnly() const;

  // Entries of list and combo boxes.
  int addEntry(std::string text, std::intptr_t data = 0);
  // Removes every entry; nothing is selected, and a combo box shows no text.
  void clearEntries();
  int entryCount() const { return static_cast<int>(entries_.size()); }
  const std::vector<ListEntry>& entries() const { return entries_; }
  const ListEntry* entry(int index) const;
  // The selected entry, or -1.
  int currentEntry() const { return currentEntry_; }
  // Selects an entry (-1: none); a combo box shows the entry's text in its edit part.
  void setCurrentEntry(int index);
  // The first entry at or after start whose text begins with prefix, in any letter case; -1.
  int findEntryWithPrefix(std::string_view prefix, int start = 0) const;

  // Check boxes and radio buttons: 0 or 1.
  int checkState() const { return checkState_; }
  // BM_SETCHECK: a program checks or clears the button; no notification is sent.
  void setCheckState(int state) { checkState_ = state; }

  // Attributes a container renders.
  HFONT font() const { return font_; }
  void setFont(HFONT font) { font_ = font; }
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string text) { toolTip_ = std::move(text); }
  // The class of the outside control a hosted window holds.
  const std::string& hostedClass() const { return hostedClass_; }
  void setHostedClass(std::string name) { hostedClass_ = std::move(name); }
  // The outside control a hosted window holds once its dialog has made it (null before), as a
  // container finds it behind the window. The window keeps a reference while it holds it.
  IDispatch* hostedControl() const { return hostedControl_; }
  void setHostedControl(IDispatch* control);

 private:
  struct AttachedHandler {
    HandlerId id;
    std::shared_ptr<MessageHandler> handler;
  };

  LRESULT editProcedure(const Message& message);
  LRESULT buttonProcedure(const Message& message);
  LRESULT staticProcedure(const Message& message);
  LRESULT listProcedure(const Message& message);
  void typeCharacter(char character);
  void replaceSelection(std::string_view text);
  void clickButton();
  void storeText(const char* text);
  bool isComboBox() const { return windowClass_ == WindowClass::ComboBox; }

  WindowClass windowClass_;
  int id_;
  std::string text_;
  DWORD style_;
  Rect rect_;
  Window* parent_ = nullptr;
  std::vector<std::unique_ptr<Window>> children_;
  std::vector<AttachedHandler> handlers_;  // oldest first
  bool enabled_ = true;
  bool visible_ = true;
  int textLimit_;
  TextSelection selection_;
  std::vector<ListEntry> entries_;
  int currentEntry_ = -1;
  int checkState_ = 0;
  bool mouseCaptured_ = false;
  HFONT font_ = nullptr;
  std::string toolTip_;
  std::string hostedClass_;
  IDispatch* hostedControl_ = nullptr;
  const std::uint64_t serial_;
};

}  // namespace platform
