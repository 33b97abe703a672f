#pragma once
// Text rules shared by the framework services: letter case of names, blanks around names,
// and the size limit of the desktop's caller buffers.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace desk {

// Names compare without regard to letter case for the ASCII letters only; bytes above 0x7F are
// Latin-1 or UTF-8 text whose case the desktop never folded.
inline char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](char c) { return lowerAscii(c); });
  return lower;
}

inline bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

inline std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A caller buffer of bufferSize bytes holds at most bufferSize - 1 characters and the
// terminating zero; the text is cut to that.
inline std::string limitToBuffer(std::string_view text, std::size_t bufferSize) {
  const std::size_t capacity = bufferSize == 0 ? 0 : bufferSize - 1;
  return std::string(text.substr(0, capacity));
}

}  // namespace desk
