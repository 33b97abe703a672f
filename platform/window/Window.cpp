#include "platform/window/Window.h"

#include <algorithm>

#include "platform/com/Interfaces.h"
#include "platform/text/TextRules.h"
#include "platform/window/Desktop.h"
#include "platform/window/TextMetrics.h"

namespace platform {
namespace {

// Before a program sets a limit, an edit takes this many characters.
constexpr int kDefaultTextLimit = 32767;
constexpr int kLargestTextLimit = 0x7FFFFFFE;

bool isLetterToRaise(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

char toUpperLatin1(char c) {
  const auto code = static_cast<unsigned char>(c);
  return isLetterToRaise(code) ? static_cast<char>(code - 0x20) : c;
}

int focusNotification(WindowClass windowClass, bool gained) {
  switch (windowClass) {
    case WindowClass::Edit:
      return gained ? EN_SETFOCUS : EN_KILLFOCUS;
    case WindowClass::ComboBox:
      return gained ? CBN_SETFOCUS : CBN_KILLFOCUS;
    case WindowClass::ListBox:
      return gained ? LBN_SETFOCUS : LBN_KILLFOCUS;
    default:
      return -1;
  }
}

}  // namespace

Window::Window(WindowClass windowClass, int id, std::string text, DWORD style, Rect rect)
    : windowClass_(windowClass),
      id_(id),
      text_(std::move(text)),
      style_(style),
      rect_(rect),
      enabled_((style & WS_DISABLED) == 0),
      visible_((style & WS_VISIBLE) != 0),
      textLimit_(kDefaultTextLimit),
      serial_(desktop().windowCreated(*this)) {}

Window::~Window() {
  children_.clear();
  setHostedControl(nullptr);
  desktop().windowDestroyed(*this);
}

void Window::setHostedControl(IDispatch* control) {
  if (control != nullptr) control->AddRef();
  if (hostedControl_ != nullptr) hostedControl_->Release();
  hostedControl_ = control;
}

DWORD Window::styleType() const {
  switch (windowClass_) {
    case WindowClass::Static:
      return style_ & SS_TYPEMASK;
    case WindowClass::Button:
      return style_ & BS_TYPEMASK;
    case WindowClass::ComboBox:
      return style_ & CBS_TYPEMASK;
    default:
      return 0;
  }
}

Window& Window::addChild(std::unique_ptr<Window> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return *children_.back();
}

Window* Window::child(int id) const {
  for (const auto& candidate : children_) {
    if (candidate->id() == id) return candidate.get();
  }
  return nullptr;
}

LRESULT Window::send(UINT code, WPARAM wParam, LPARAM lParam) {
  const Message message{code, wParam, lParam};
  // Newest handler first. A handler may attach or detach handlers while it runs, so the walk
  // goes over a copy and skips handlers detached meanwhile.
  const std::vector<AttachedHandler> chain = handlers_;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const bool stillAttached =
        std::any_of(handlers_.begin(), handlers_.end(),
                    [&](const AttachedHandler& h) { return h.id == it->id; });
    if (!stillAttached) continue;
    LRESULT result = 0;
    if ((*it->handler)(message, result)) return result;
  }
  return defaultProcedure(message);
}

void Window::post(UINT code, WPARAM wParam, LPARAM lParam) {
  desktop().post(*this, Message{code, wParam, lParam});
}

HandlerId Window::attachHandler(MessageHandler handler) {
  static HandlerId nextId = 1;
  const HandlerId id = nextId++;
  handlers_.push_back({id, std::make_shared<MessageHandler>(std::move(handler))});
  return id;
}

void Window::detachHandler(HandlerId id) {
  std::erase_if(handlers_, [id](const AttachedHandler& h) { return h.id == id; });
}

void Window::notifyParent(int code) {
  if (parent_ == nullptr) return;
  parent_->send(WM_COMMAND, makeWParam(id_, code), reinterpret_cast<LPARAM>(this));
}

void Window::setText(std::string_view text) {
  const std::string terminated(text);
  send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void Window::setNullText() {
  send(WM_SETTEXT, 0, 0);
}

void Window::storeText(const char* text) {
  text_ = text == nullptr ? std::string() : std::string(text);
  const int end = static_cast<int>(text_.size());
  selection_ = {end, end};
}

void Window::enable(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  send(WM_ENABLE, enabled ? 1 : 0);
}

bool Window::isShown() const {
  for (const Window* window = this; window != nullptr; window = window->parent_) {
    if (!window->visible_) return false;
  }
  return true;
}

void Window::show(int command) {
  const bool visible = command != SW_HIDE;
  if (visible_ == visible) return;
  visible_ = visible;
  send(WM_SHOWWINDOW, visible ? 1 : 0);
}

void Window::setTextLimit(int limit) {
  textLimit_ = limit <= 0 ? kLargestTextLimit : limit;
}

void Window::setSelection(int start, int end) {
  const int length = static_cast<int>(text_.size());
  if (start == -1) {
    selection_ = {selection_.end, selection_.end};
    return;
  }
  if (end == -1 || end > length) end = length;
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  selection_ = {std::min(start, end), std::max(start, end)};
}

bool Window::isReadOnly() const {
  return windowClass_ == WindowClass::Edit && (style_ & ES_READONLY) != 0;
}

bool Window::hasEditPart() const {
  return windowClass_ == WindowClass::Edit || (isComboBox() && !isDropDownList());
}

bool Window::isDropDownList() const {
  return isComboBox() && styleType() == CBS_DROPDOWNLIST;
}

int Window::addEntry(std::string text, std::intptr_t data) {
  entries_.push_back({std::move(text), data});
  return static_cast<int>(entries_.size()) - 1;
}

void Window::clearEntries() {
  entries_.clear();
  currentEntry_ = -1;
  if (isComboBox()) storeText("");
}

const ListEntry* Window::entry(int index) const {
  if (index < 0 || index >= entryCount()) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

void Window::setCurrentEntry(int index) {
  currentEntry_ = entry(index) != nullptr ? index : -1;
  if (!isComboBox()) return;
  storeText(currentEntry_ >= 0 ? entries_[static_cast<std::size_t>(currentEntry_)].text.c_str()
                               : "");
  setSelection(0, -1);
}

int Window::findEntryWithPrefix(std::string_view prefix, int start) const {
  for (int index = std::max(start, 0); index < entryCount(); ++index) {
    if (startsWithIgnoringCase(entries_[static_cast<std::size_t>(index)].text, prefix)) {
      return index;
    }
  }
  return -1;
}

LRESULT Window::defaultProcedure(const Message& message) {
  switch (message.code) {
    case WM_SETTEXT:
      storeText(reinterpret_cast<const char*>(message.lParam));
      if (windowClass_ == WindowClass::Edit) notifyParent(EN_CHANGE);
      return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const int code = focusNotification(windowClass_, message.code == WM_SETFOCUS);
      if (code >= 0) notifyParent(code);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // Keys a control does not use go to its dialog, which acts on Enter and its own keys.
      return parent_ != nullptr ? parent_->send(message.code, message.wParam, message.lParam) : 0;
    default:
      break;
  }
  switch (windowClass_) {
    case WindowClass::Edit:
      return editProcedure(message);
    case WindowClass::ComboBox:
      return editProcedure(message);
    case WindowClass::ListBox:
      return listProcedure(message);
    case WindowClass::Button:
      return buttonProcedure(message);
    case WindowClass::Static:
      return staticProcedure(message);
    case WindowClass::Dialog:
    case WindowClass::Hosted:
      return 0;
  }
  return 0;
}

LRESULT Window::editProcedure(const Message& message) {
  switch (message.code) {
    case WM_CHAR:
      if (hasEditPart()) {
        typeCharacter(static_cast<char>(message.wParam));
      } else {
        // A drop-down list jumps to the next entry that begins with the typed character.
        const std::string prefix(1, static_cast<char>(message.wParam));
        int found = findEntryWithPrefix(prefix, currentEntry_ + 1);
        if (found < 0) found = findEntryWithPrefix(prefix);
        if (found >= 0 && found != currentEntry_) {
          setCurrentEntry(found);
          notifyParent(CBN_SELCHANGE);
        }
      }
      return 0;
    case WM_LBUTTONDOWN:
      desktop().setFocus(this);
      if (hasEditPart()) {
        const int index =
            characterIndexAt(*this, lowWord(static_cast<std::uintptr_t>(message.lParam)));
        setSelection(index, index);
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (hasEditPart()) setSelection(0, -1);
      return 0;
    default:
      return 0;
  }
}

void Window::typeCharacter(char character) {
  if (isReadOnly()) return;
  if (character == '\b') {
    if (selection_.start == selection_.end && selection_.start > 0) {
      setSelection(selection_.start - 1, selection_.end);
    }
    replaceSelection("");
    return;
  }
  if (static_cast<unsigned char>(character) < 0x20) return;
  const bool upperCase = windowClass_ == WindowClass::Edit ? (style_ & ES_UPPERCASE) != 0
                                                           : (style_ & CBS_UPPERCASE) != 0;
  if (upperCase) character = toUpperLatin1(character);
  const int selected = selection_.end - selection_.start;
  if (static_cast<int>(text_.size()) - selected + 1 > textLimit_) return;
  replaceSelection(std::string_view(&character, 1));
}

void Window::replaceSelection(std::string_view text) {
  text_.replace(static_cast<std::size_t>(selection_.start),
                static_cast<std::size_t>(selection_.end - selection_.start), text);
  const int caret = selection_.start + static_cast<int>(text.size());
  selection_ = {caret, caret};
  notifyParent(isComboBox() ? CBN_EDITCHANGE : EN_CHANGE);
}

LRESULT Window::listProcedure(const Message& message) {
  if (message.code == WM_LBUTTONDOWN && windowClass_ == WindowClass::ListBox) {
    desktop().setFocus(this);
  }
  return 0;
}

LRESULT Window::buttonProcedure(const Message& message) {
  const int x = lowWord(static_cast<std::uintptr_t>(message.lParam));
  const int y = highWord(static_cast<std::uintptr_t>(message.lParam));
  switch (message.code) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (styleType() == BS_GROUPBOX) return 0;
      desktop().setFocus(this);
      mouseCaptured_ = true;
      return 0;
    case WM_LBUTTONUP:
      if (!mouseCaptured_) return 0;
      mouseCaptured_ = false;
      if (x >= 0 && y >= 0 && x < rect_.width() && y < rect_.height()) clickButton();
      return 0;
    default:
      return 0;
  }
}

void Window::clickButton() {
  switch (styleType()) {
    case BS_AUTOCHECKBOX:
      checkState_ = checkState_ == 0 ? 1 : 0;
      break;
    case BS_AUTORADIOBUTTON:
      // The group runs from the nearest radio with the group style up to the next one.
      if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        auto self = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto& sibling) { return sibling.get() == this; });
        auto first = self;
        while (first != siblings.begin() && ((*first)->style_ & WS_GROUP) == 0) --first;
        for (auto it = first; it != siblings.end(); ++it) {
          if (it != first && ((*it)->style_ & WS_GROUP) != 0) break;
          if ((*it)->windowClass_ == WindowClass::Button &&
              (*it)->styleType() == BS_AUTORADIOBUTTON) {
            (*it)->checkState_ = 0;
          }
        }
      }
      checkState_ = 1;
      break;
    default:
      break;
  }
  notifyParent(BN_CLICKED);
}

LRESULT Window::staticProcedure(const Message& message) {
  if ((style_ & SS_NOTIFY) == 0) return 0;
  if (message.code == WM_LBUTTONUP) notifyParent(STN_CLICKED);
  if (message.code == WM_LBUTTONDBLCLK) notifyParent(STN_DBLCLK);
  return 0;
}

}  // namespace platform
