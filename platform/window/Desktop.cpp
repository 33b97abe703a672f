#include "platform/window/Desktop.h"

#include <algorithm>

#include "platform/window/WindowRef.h"

namespace platform {

Desktop& desktop() {
  static Desktop instance;
  return instance;
}

void Desktop::setFocus(Window* window) {
  if (window == focus_) return;
  Window* previous = focus_;
  focus_ = window;
  if (previous != nullptr) previous->send(WM_KILLFOCUS, reinterpret_cast<WPARAM>(window));
  if (window != nullptr && focus_ == window) {
    window->send(WM_SETFOCUS, reinterpret_cast<WPARAM>(previous));
  }
}

void Desktop::post(Window& window, const Message& message) {
  posted_.push_back({WindowRef(window), message});
}

void Desktop::pumpMessages() {
  while (!posted_.empty()) {
    const PostedMessage next = posted_.front();
    posted_.pop_front();
    if (Window* window = next.window.get()) {
      window->send(next.message.code, next.message.wParam, next.message.lParam);
    }
  }
}

void Desktop::pumpMessagesFor(const Window& root) {
  const auto insideRoot = [&root](const PostedMessage& posted) {
    for (const Window* window = posted.window.get(); window != nullptr; window = window->parent()) {
      if (window == &root) return true;
    }
    return false;
  };
  for (auto next = std::find_if(posted_.begin(), posted_.end(), insideRoot); next != posted_.end();
       next = std::find_if(posted_.begin(), posted_.end(), insideRoot)) {
    const PostedMessage delivered = *next;
    posted_.erase(next);
    if (Window* window = delivered.window.get()) {
      window->send(delivered.message.code, delivered.message.wParam, delivered.message.lParam);
    }
  }
}

std::uint64_t Desktop::windowCreated(Window& window) {
  const std::uint64_t serial = ++lastSerial_;
  liveWindows_.emplace(serial, &window);
  return serial;
}

void Desktop::windowDestroyed(const Window& window) {
  liveWindows_.erase(window.serial());
  if (focus_ == &window) focus_ = nullptr;
  std::erase_if(posted_, [](const PostedMessage& m) { return m.window.get() == nullptr; });
}

Window* Desktop::liveWindow(std::uint64_t serial) const {
  const auto found = liveWindows_.find(serial);
  return found != liveWindows_.end() ? found->second : nullptr;
}

namespace {

// A box or dialog shown by the container takes the keyboard focus while it is shown (no
// control of the masks has it then); when it closes, the control that had it gets it back.
class ModalFocus {
 public:
  ModalFocus() {
    if (Window* focus = desktop().focus()) previous_ = WindowRef(*focus);
    desktop().setFocus(nullptr);
  }
  ~ModalFocus() {
    Window* previous = previous_.get();
    if (previous != nullptr && desktop().focus() == nullptr) desktop().setFocus(previous);
  }
  ModalFocus(const ModalFocus&) = delete;
  ModalFocus& operator=(const ModalFocus&) = delete;

 private:
  WindowRef previous_;
};

}  // namespace

int messageBox(Window* owner, std::string_view text, std::string_view caption, UINT style) {
  ContainerServices* container = desktop().container();
  if (container == nullptr) return IDOK;
  const ModalFocus focus;
  return container->messageBox(owner, text, caption, style);
}

std::optional<std::vector<std::string>> modalDialog(std::string_view kind, Window* owner) {
  ContainerServices* container = desktop().container();
  if (container == nullptr) return std::nullopt;
  const ModalFocus focus;
  return container->modalDialog(kind, owner);
}

void runPicker(std::string_view kind, Window& dialog, IDispatch& control) {
  ContainerServices* container = desktop().container();
  if (container == nullptr) return;
  const ModalFocus focus;
  container->runPicker(kind, dialog, control);
}

}  // namespace platform
