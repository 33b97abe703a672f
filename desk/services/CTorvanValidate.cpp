#include "framework/services/CTorvanValidate.h"

#include <algorithm>
#include <array>

#include "platform/text/TextRules.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isLetterOrDigit(char c) {
  return isLetter(c) || isDigit(c);
}

int allOf(std::string_view text, bool (*isOfClass)(char), std::string_view extraChars = {}) {
  return std::ranges::all_of(
      text, [&](char c) { return isOfClass(c) || extraChars.find(c) != std::string_view::npos; });
}

int twoDigitNumber(std::string_view digits) {
  return digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + (digits[1] - '0');
}

constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};
// February as in a leap year; common years are checked on their own.
constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int CTorvanValidate::IsNumeric(std::string_view text) const {
  return allOf(text, isDigit);
}

int CTorvanValidate::IsAlpha(std::string_view text) const {
  return allOf(text, isLetter);
}

int CTorvanValidate::IsAlphanumeric(std::string_view text) const {
  return allOf(text, isLetterOrDigit);
}

int CTorvanValidate::IsNumericEx(std::string_view text, std::string_view extraChars) const {
  return allOf(text, isDigit, extraChars);
}

int CTorvanValidate::IsAlphaEx(std::string_view text, std::string_view extraChars) const {
  return allOf(text, isLetter, extraChars);
}

int CTorvanValidate::IsAlphanumericEx(std::string_view text, std::string_view extraChars) const {
  return allOf(text, isLetterOrDigit, extraChars);
}

int CTorvanValidate::IsDecimal(std::string_view text) const {
  // Counts, queue numbers and segment numbers go into host commands as typed, so a sign is no
  // part of a number.
  return !text.empty() && allOf(text, isDigit);
}

int CTorvanValidate::IsDate(std::string_view text) const {
  const std::size_t dayLength = std::ranges::find_if_not(text, isDigit) - text.begin();
  if (dayLength < 1 || dayLength > 2) return 0;
  const std::string_view rest = text.substr(dayLength);
  if (rest.size() != 3 && rest.size() != 5) return 0;
  const std::string_view yearDigits = rest.substr(3);
  if (!allOf(yearDigits, isDigit)) return 0;

  const auto month = std::ranges::find_if(kMonths, [&](std::string_view name) {
    return platform::equalIgnoringCase(name, rest.substr(0, 3));
  });
  if (month == kMonths.end()) return 0;
  const std::size_t monthIndex = static_cast<std::size_t>(month - kMonths.begin());

  const int day = twoDigitNumber(text.substr(0, dayLength));
  if (day < 1 || day > kDaysInMonth[monthIndex]) return 0;
  // Years are 2000 to 2099, where every fourth year, 2000 included, is a leap year.
  const bool februaryOfCommonYear =
      monthIndex == 1 && !yearDigits.empty() && twoDigitNumber(yearDigits) % 4 != 0;
  return februaryOfCommonYear && day == 29 ? 0 : 1;
}
