#include "fields/ScanNumber.h"

#include <cctype>
#include <climits>

namespace fields {

std::optional<ScannedNumber> scanNumber(std::string_view text, std::size_t start) {
  std::size_t at = start;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t firstDigit = at;
  long long value = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
    if (value <= INT_MAX) value = value * 10 + (text[at] - '0');
    ++at;
  }
  if (at == firstDigit) return std::nullopt;
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return ScannedNumber{static_cast<int>(value), at};
}

}  // namespace fields
