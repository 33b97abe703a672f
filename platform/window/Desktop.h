#pragma once
// The window system's state of the user-interface thread: which window has the keyboard
// focus, the posted messages waiting for the loop, and the container that shows message
// boxes and modal dialogs.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/window/Window.h"
#include "platform/window/WindowRef.h"

struct IDispatch;

namespace platform {

// What the container that hosts the masks does for them.
class ContainerServices {
 public:
  virtual ~ContainerServices() = default;
  // Shows a message box and returns the button that closed it (IDOK, ...).
  virtual int messageBox(Window* owner, std::string_view text, std::string_view caption,
                         UINT style) = 0;
  // Runs a modal dialog of the desk ("calendar", "coder", ...) and returns the words of its
  // answer, or nothing when it was cancelled.
  virtual std::optional<std::vector<std::string>> modalDialog(std::string_view kind,
                                                              Window* owner) = 0;
  // Opens a document or an address with the desktop's "open" verb.
  virtual void shellOpen(std::string_view target) = 0;
  // Runs a picker dialog ("calendar", "coder") modally: dialog hosts the outside control,
  // already given its input and listened to. The container lets the agent answer through the
  // control, whose events end the dialog, and cancels through it when there is no answer.
  // A container that shows no pickers leaves the dialog without a result.
  virtual void runPicker(std::string_view kind, Window& dialog, IDispatch& control) {
    (void)kind, (void)dialog, (void)control;
  }
};

class Desktop {
 public:
  Window* focus() const { return focus_; }
  // Moves the focus: the old window is told it lost it, then the new one that it gained it.
  void setFocus(Window* window);
  // Moves the focus without telling either window: a window that works out of sight (the
  // desk's hidden instance of a mask) takes and gives back the focus this way, so that the
  // shown windows never learn of it.
  void setFocusQuietly(Window* window) { focus_ = window; }

  // Posted messages, delivered in order by the loop of the container.
  void post(Window& window, const Message& message);
  // Delivers every posted message, including those posted meanwhile.
  void pumpMessages();
  // Delivers the posted messages of root and its descendants, including those posted
  // meanwhile; the others wait in their order.
  void pumpMessagesFor(const Window& root);

  ContainerServices* container() const { return container_; }
  void setContainer(ContainerServices* container) { container_ = container; }

  // Windows register when made and get their serial number; the window with a serial is
  // found while it lives (see WindowRef).
  std::uint64_t windowCreated(Window& window);
  void windowDestroyed(const Window& window);
  Window* liveWindow(std::uint64_t serial) const;

 private:
  struct PostedMessage {
    WindowRef window;
    Message message;
  };

  Window* focus_ = nullptr;
  std::deque<PostedMessage> posted_;
  ContainerServices* container_ = nullptr;
  std::uint64_t lastSerial_ = 0;
  std::unordered_map<std::uint64_t, Window*> liveWindows_;
};

// The desktop of this process's user-interface thread.
Desktop& desktop();

// Shown by the container, which has the keyboard focus meanwhile; IDOK when no container is
// set.
int messageBox(Window* owner, std::string_view text, std::string_view caption, UINT style);
// Run by the container likewise; cancelled when no container is set.
std::optional<std::vector<std::string>> modalDialog(std::string_view kind, Window* owner);
// A picker dialog run by the container likewise; nothing happens when no container is set.
void runPicker(std::string_view kind, Window& dialog, IDispatch& control);

}  // namespace platform
