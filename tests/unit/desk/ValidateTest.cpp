#include "framework/services/CTorvanValidate.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  std::string_view text;
  int expected;
};

TEST(ValidateTest, CharacterClasses) {
  const CTorvanValidate validate;
  struct ClassCase {
    std::string_view text;
    int numeric, alpha, alphanumeric;
  };
  const ClassCase cases[] = {
      {"", 1, 1, 1},
      {"0123456789", 1, 0, 1},
      {"AZaz", 0, 1, 1},
      {"A1b2", 0, 0, 1},
      {"12 3", 0, 0, 0},
      {"-1", 0, 0, 0},  // digits only: a sign is no part of a number
      {"+12", 0, 0, 0},
      {"-", 0, 0, 0},
      {"1-", 0, 0, 0},
      {"--1", 0, 0, 0},
      {"\xC9T\xC9", 0, 0, 0},  // Latin-1 letters
      {std::string_view("A\0B", 3), 0, 0, 0},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(validate.IsNumeric(c.text), c.numeric);
    EXPECT_EQ(validate.IsAlpha(c.text), c.alpha);
    EXPECT_EQ(validate.IsAlphanumeric(c.text), c.alphanumeric);
  }
}

TEST(ValidateTest, ExtraCharacters) {
  const CTorvanValidate validate;
  EXPECT_EQ(validate.IsNumericEx("12/05", "/"), 1);
  EXPECT_EQ(validate.IsNumericEx("12-05", "/"), 0);
  EXPECT_EQ(validate.IsNumericEx("1.5,-2", ".,-"), 1);
  EXPECT_EQ(validate.IsAlphaEx("SMITH JOHN", " "), 1);
  EXPECT_EQ(validate.IsAlphaEx("SMITH JOHN2", " "), 0);
  EXPECT_EQ(validate.IsAlphaEx("O-NEIL,A", ",-"), 1);
  EXPECT_EQ(validate.IsAlphanumericEx("john_doe@mail.example-1", "_@.-"), 1);
  EXPECT_EQ(validate.IsAlphanumericEx("john+doe@mail", "@-_."), 0);
  EXPECT_EQ(validate.IsAlphanumericEx("", "@"), 1);
  EXPECT_EQ(validate.IsNumericEx("1 2", ""), 0);
  EXPECT_EQ(validate.IsNumericEx("-1 2", " "), 0);
  EXPECT_EQ(validate.IsNumericEx("-1", "-"), 1);  // a sign only as an extra character
}

TEST(ValidateTest, Decimal) {
  const CTorvanValidate validate;
  const Case cases[] = {
      {"12", 1},  {"-3", 0},  {"+3", 0}, {"1.5", 0}, {"2.", 0},  {"007", 1},
      {"", 0},    {"-", 0},   {".", 0},  {".5", 0},  {"-.5", 0}, {"1.2.3", 0},
      {"1,5", 0}, {"1e5", 0}, {" 1", 0}, {"1 ", 0},  {"--1", 0}, {"1-", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(validate.IsDecimal(c.text), c.expected) << c.text;
}

TEST(ValidateTest, Date) {
  const CTorvanValidate validate;
  const Case cases[] = {
      {"5MAR", 1},    {"05MAR", 1},   {"29FEB24", 1}, {"31dec", 1},    {"1Jan99", 1},
      {"29FEB", 1},   {"29FEB00", 1},  // 2000 is a leap year
      {"29FEB23", 0}, {"30FEB", 0},   {"31APR", 0},   {"31JUN24", 0},  {"30APR", 1},
      {"0MAR", 0},    {"00MAR", 0},   {"32JAN", 0},   {"123JAN", 0},   {"MAR", 0},
      {"5MA", 0},     {"5MARC", 0},   {"5MAR2", 0},   {"5MAR2024", 0}, {"5XYZ", 0},
      {"5MAR24 ", 0}, {" 5MAR", 0},   {"", 0},        {"5MARAB", 0},   {"28FEB23", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(validate.IsDate(c.text), c.expected) << c.text;
}

}  // namespace
