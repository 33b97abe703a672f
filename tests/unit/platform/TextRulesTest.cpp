// The shared text rules: which blanks each trimming removes, letter case for ASCII letters
// only, and the cut to a caller's buffer.

#include <gtest/gtest.h>

#include <string_view>

#include "platform/text/TextRules.h"

namespace platform {
namespace {

TEST(TextRulesTest, TrimmingRemovesItsOwnBlanksAtTheEndsOnly) {
  struct Case {
    std::string_view text, blanksTrimmed, whiteSpaceTrimmed;
  };
  const Case cases[] = {
      {"", "", ""},
      {" \t ", "", ""},
      {"  A B\t", "A B", "A B"},
      {"\r\nname = x\r\n", "\r\nname = x\r\n", "name = x"},
      {"\v\f x \f", "\v\f x \f", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trimBlanks(c.text), c.blanksTrimmed) << c.text;
    EXPECT_EQ(trimWhiteSpace(c.text), c.whiteSpaceTrimmed) << c.text;
  }
}

TEST(TextRulesTest, LetterCaseChangesForAsciiLettersOnly) {
  EXPECT_EQ(lowerAscii("AbZ-09\xC9"), "abz-09\xC9");
  EXPECT_EQ(upperAscii("en1 \xE9"), "EN1 \xE9");
  EXPECT_TRUE(equalIgnoringCase("WhiteBoard.INI", "whiteboard.ini"));
  EXPECT_FALSE(equalIgnoringCase("\xC9", "\xE9"));
  EXPECT_FALSE(equalIgnoringCase("abc", "ab"));
  EXPECT_TRUE(startsWithIgnoringCase("Paris", "pA"));
  EXPECT_TRUE(startsWithIgnoringCase("Paris", ""));
  EXPECT_FALSE(startsWithIgnoringCase("Pa", "par"));
}

TEST(TextRulesTest, ABufferHoldsOneCharacterLessThanItsSize) {
  EXPECT_EQ(limitToBuffer("ABC", 0), "");
  EXPECT_EQ(limitToBuffer("ABC", 1), "");
  EXPECT_EQ(limitToBuffer("ABC", 3), "AB");
  EXPECT_EQ(limitToBuffer("ABC", 4), "ABC");
}

}  // namespace
}  // namespace platform
