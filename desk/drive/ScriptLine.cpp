#include "desk/drive/ScriptLine.h"

#include <charconv>

namespace desk {

std::string ScriptLine::word(std::string_view what) {
  const auto blank = rest_.find(' ');
  const std::string_view found = rest_.substr(0, blank);
  rest_ = blank == std::string_view::npos ? std::string_view() : rest_.substr(blank + 1);
  if (found.empty()) throw ScriptError("missing " + std::string(what));
  return std::string(found);
}

std::string ScriptLine::text() {
  const std::string result(rest_);
  rest_ = {};
  return result;
}

long ScriptLine::number(std::string_view what) {
  return parseNumber(word(what), what);
}

long parseNumber(std::string_view text, std::string_view what) {
  const bool negative = !text.empty() && text.front() == '-';
  std::string_view digits = negative ? text.substr(1) : text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  long value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    throw ScriptError("bad " + std::string(what) + " \"" + std::string(text) + "\"");
  }
  return negative ? -value : value;
}

}  // namespace desk
