#include "platform/text/TextRules.h"

#include <algorithm>

namespace platform {
namespace {

char lowerAsciiLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char upperAsciiLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(char a, char b) {
  return lowerAsciiLetter(a) == lowerAsciiLetter(b);
}

std::string_view trim(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), lowerAsciiLetter);
  return lower;
}

std::string upperAscii(std::string_view text) {
  std::string upper(text);
  std::ranges::transform(upper, upper.begin(), upperAsciiLetter);
  return upper;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, sameIgnoringCase);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && equalIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trimBlanks(std::string_view text) {
  return trim(text, " \t");
}

std::string_view trimWhiteSpace(std::string_view text) {
  return trim(text, " \t\r\n\v\f");
}

std::string limitToBuffer(std::string_view text, std::size_t bufferSize) {
  const std::size_t capacity = bufferSize == 0 ? 0 : bufferSize - 1;
  return std::string(text.substr(0, capacity));
}

}  // namespace platform
