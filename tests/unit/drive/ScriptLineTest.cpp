#include "desk/drive/ScriptLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

using desk::parseNumber;
using desk::ScriptError;

template <class Integer>
std::optional<Integer> parsed(std::string_view text) {
  try {
    return parseNumber<Integer>(text, "number");
  } catch (const ScriptError&) {
    return std::nullopt;
  }
}

TEST(ScriptLineTest, NumbersWithinTheirType) {
  struct Case {
    std::string_view text;
    std::optional<int> asInt;
    std::optional<unsigned> asUnsigned;
  };
  const Case cases[] = {
      {"304", 304, 304u},
      {"0x136", 0x136, 0x136u},
      {"0XfF", 255, 255u},
      {"-1", -1, std::nullopt},
      {"-0", 0, 0u},
      {"-0x10", -16, std::nullopt},
      {"2147483647", 2147483647, 2147483647u},
      {"2147483648", std::nullopt, 2147483648u},
      {"-2147483648", INT32_MIN, std::nullopt},
      {"-2147483649", std::nullopt, std::nullopt},
      {"0xffffffff", std::nullopt, 0xffffffffu},
      {"0x100000000", std::nullopt, std::nullopt},
      {"99999999999999999999", std::nullopt, std::nullopt},  // beyond 64 bits
      // Exactly one optional minus, then only digits.
      {"--304", std::nullopt, std::nullopt},
      {"-+304", std::nullopt, std::nullopt},
      {"+304", std::nullopt, std::nullopt},
      {"0x-1", std::nullopt, std::nullopt},
      {"0x+1", std::nullopt, std::nullopt},
      {"-0x-1", std::nullopt, std::nullopt},
      {"0x", std::nullopt, std::nullopt},
      {"-", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"12a", std::nullopt, std::nullopt},
      {"0x1g", std::nullopt, std::nullopt},
      {"1 ", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(parsed<int>(c.text), c.asInt);
    EXPECT_EQ(parsed<unsigned>(c.text), c.asUnsigned);
  }
}

TEST(ScriptLineTest, SixtyFourBitEnds) {
  EXPECT_EQ(parsed<std::int64_t>("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(parsed<std::int64_t>("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(parsed<std::int64_t>("9223372036854775808"), std::nullopt);
  EXPECT_EQ(parsed<std::int64_t>("--9223372036854775808"), std::nullopt);
  EXPECT_EQ(parsed<std::int64_t>("-9223372036854775809"), std::nullopt);
  EXPECT_EQ(parsed<std::uint64_t>("0xffffffffffffffff"), UINT64_MAX);
}

TEST(ScriptLineTest, ErrorsNameTheArgument) {
  try {
    parseNumber<int>("--304", "control id");
    FAIL();
  } catch (const ScriptError& error) {
    EXPECT_STREQ(error.what(), "bad control id \"--304\"");
  }
  try {
    parseNumber<int>("4294967296", "control id");
    FAIL();
  } catch (const ScriptError& error) {
    EXPECT_STREQ(error.what(), "control id \"4294967296\" is out of range");
  }
}

TEST(ScriptLineTest, WordsAndText) {
  desk::ScriptLine line("type 304 a  b ");
  EXPECT_EQ(line.word("command"), "type");
  EXPECT_EQ(line.number<int>("control id"), 304);
  EXPECT_EQ(line.text(), "a  b ");
  EXPECT_TRUE(line.atEnd());
  EXPECT_THROW(line.word("key"), ScriptError);
}

}  // namespace
