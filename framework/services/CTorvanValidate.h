#pragma once
// Character-class and form checks of the desktop. Each returns non-zero when the text passes.
//
// Letters are the ASCII letters A-Z and a-z (the host's alphabet); digits are 0-9. The class
// checks (IsNumeric, IsAlpha, IsAlphanumeric and their Ex forms) ask that every character be
// of the class, so an empty text passes them; the Ex forms also accept each character of
// extraChars. Digits are the only numeric characters: a sign is not ("-1" and "+12" are not
// numeric), so a text that passes can go into a host command as typed.
//
// IsDecimal: a whole number written in decimal digits only ("12", "007"); no sign, no decimal
// point, no blanks, and an empty text is not a number.
//
// IsDate: a day of one or two digits, a three-letter English month abbreviation (JAN ... DEC,
// any letter case) and optionally a two-digit year, with nothing else: "5MAR", "05MAR",
// "29FEB24". The day must exist in that month; 29 February needs a leap year when a year is
// given (years are 2000 to 2099) and is accepted without one.

#include <string_view>

class CTorvanValidate {
 public:
  CTorvanValidate() = default;

  int IsNumeric(std::string_view text) const;
  int IsAlpha(std::string_view text) const;
  int IsAlphanumeric(std::string_view text) const;
  int IsDecimal(std::string_view text) const;
  int IsDate(std::string_view text) const;
  int IsNumericEx(std::string_view text, std::string_view extraChars) const;
  int IsAlphaEx(std::string_view text, std::string_view extraChars) const;
  int IsAlphanumericEx(std::string_view text, std::string_view extraChars) const;
};
