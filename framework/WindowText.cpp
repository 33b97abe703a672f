#include "framework/WindowText.h"

#include "platform/text/TextRules.h"

namespace framework {

std::string windowText(const platform::Window* window, std::size_t bufferSize) {
  return window != nullptr ? platform::limitToBuffer(window->text(), bufferSize) : std::string();
}

std::string itemText(const platform::Window& dialog, int controlId, std::size_t bufferSize) {
  return windowText(dialog.child(controlId), bufferSize);
}

}  // namespace framework
