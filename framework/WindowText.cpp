#include "framework/WindowText.h"

namespace framework {

std::string windowText(const platform::Window* window, std::size_t bufferSize) {
  if (window == nullptr || bufferSize == 0) return {};
  const std::string& text = window->text();
  return text.substr(0, std::min(text.size(), bufferSize - 1));
}

std::string itemText(const platform::Window& dialog, int controlId, std::size_t bufferSize) {
  return windowText(dialog.child(controlId), bufferSize);
}

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kWhiteSpace);
  return text.substr(first, last - first + 1);
}

}  // namespace framework
