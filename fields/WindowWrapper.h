#pragma once
// A wrapper that subclasses an existing control: attaching hangs its handler on the control,
// detaching (or the wrapper going) gives the control back as it was.

#include <optional>

#include "platform/window/Window.h"
#include "platform/window/WindowRef.h"

namespace fields {

class WindowWrapper {
 public:
  WindowWrapper() = default;
  virtual ~WindowWrapper();
  WindowWrapper(const WindowWrapper&) = delete;
  WindowWrapper& operator=(const WindowWrapper&) = delete;

  // Subclasses the control; a control already attached is given back first.
  void Attach(platform::Window& control);
  // Gives the control back; returns it (null when none was attached).
  platform::Window* Detach();
  // The attached control, or null.
  platform::Window* window() const;

 protected:
  // The wrapper's message handler: true when it consumed the message.
  virtual bool ProcessWindowMessage(const platform::Message& message,
                                    platform::LRESULT& result) = 0;

 private:
  platform::WindowRef window_;
  std::optional<platform::HandlerId> handler_;
};

}  // namespace fields
