#pragma once
// Paints the mask's status line: black text on whatever lies behind it.

#include <optional>

#include "platform/window/Graphics.h"
#include "platform/window/Window.h"
#include "platform/window/WindowRef.h"

namespace framework {

class StatusLinePainter {
 public:
  StatusLinePainter() = default;
  ~StatusLinePainter();
  StatusLinePainter(const StatusLinePainter&) = delete;
  StatusLinePainter& operator=(const StatusLinePainter&) = delete;

  void attach(platform::Window& statusLine);

 private:
  bool handle(const platform::Message& message, platform::LRESULT& result);

  platform::WindowRef window_;
  std::optional<platform::HandlerId> handler_;
  platform::COLORREF textColour_ = platform::RGB(0, 0, 0);
  platform::HBRUSH brush_ = nullptr;
};

}  // namespace framework
