#include "desk/drive/ScriptLine.h"

#include <algorithm>
#include <charconv>

namespace desk {
namespace {

bool isDigit(char c, int base) {
  if (c >= '0' && c <= '9') return true;
  return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

}  // namespace

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

WrittenNumber parseWrittenNumber(std::string_view text, std::string_view what) {
  WrittenNumber number;
  number.negative = text.starts_with('-');
  std::string_view digits = number.negative ? text.substr(1) : text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  // Only digits: no second sign, no blank, nothing after the number.
  const bool onlyDigits =
      !digits.empty() && std::ranges::all_of(digits, [base](char c) { return isDigit(c, base); });
  if (!onlyDigits) throw ScriptError("bad " + std::string(what) + " \"" + std::string(text) + "\"");
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), number.magnitude, base);
  if (error != std::errc() || end != digits.data() + digits.size()) throwOutOfRange(text, what);
  return number;
}

void throwOutOfRange(std::string_view text, std::string_view what) {
  throw ScriptError(std::string(what) + " \"" + std::string(text) + "\" is out of range");
}

}  // namespace desk
