// Parameter strings as the desktop leaves them in a queue: items, their split at the first
// "=", the "InvalidKey" items, the lookup without regard to letter case, and the lines the
// parser leaves for a developer's debugger.

#include "framework/CParseField.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/desk/TempHome.h"

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

struct ParseCase {
  const char* text;
  const char* separators;
  Items items;
};

class CParseFieldItems : public testing::TestWithParam<ParseCase> {};

TEST_P(CParseFieldItems, SplitsEveryItemAtItsFirstEquals) {
  const ParseCase& c = GetParam();
  framework::CParseField parser(c.text, c.separators);
  EXPECT_EQ(parser.items(), c.items);
  EXPECT_EQ(parser.count(), static_cast<int>(c.items.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CParseFieldItems,
    testing::Values(
        ParseCase{"LineNum=5&Email=A@B.COM", "&", {{"LineNum", "5"}, {"Email", "A@B.COM"}}},
        ParseCase{"LineNum=5&", "&", {{"LineNum", "5"}, {"InvalidKey", ""}}},
        ParseCase{"no equals here", "&", {{"InvalidKey", "no equals here"}}},
        ParseCase{"FreeText=A=B&NameNum=1.1", "&", {{"FreeText", "A=B"}, {"NameNum", "1.1"}}},
        ParseCase{"", "&", {{"InvalidKey", ""}}},
        ParseCase{
            "=only value&&", "&", {{"", "only value"}, {"InvalidKey", ""}, {"InvalidKey", ""}}},
        ParseCase{"A=1;B=2,C=3", ";,", {{"A", "1"}, {"B", "2"}, {"C", "3"}}},
        // Only the first 11 characters of the set separate.
        ParseCase{"A=1zB=2", "+-*/!?#$%^~z", {{"A", "1zB=2"}}},
        ParseCase{"A=\xE9\xFF&B=\x01", "&", {{"A", "\xE9\xFF"}, {"B", "\x01"}}}));

TEST(CParseField, FindsTheFirstItemOfAKeyInAnyLetterCase) {
  framework::CParseField parser("LineNum=5&LINENUM=6&Email=X", "&");
  std::string value = "old";
  EXPECT_EQ(parser.GetValue("linenum", value), 1);
  EXPECT_EQ(value, "5");
  EXPECT_EQ(parser.GetValue("NameNum", value), 0);
  EXPECT_EQ(value, "");
}

TEST(CParseField, NullTextGivesAnEmptyParserAndParseStartsAgain) {
  framework::CParseField empty(nullptr, "&");
  EXPECT_EQ(empty.count(), 0);
  framework::CParseField parser("A=1&B=2", "&");
  parser.Parse();
  EXPECT_EQ(parser.count(), 2);
}

TEST(CParseField, HugeMessagesParseWhole) {
  const std::string value(100000, 'X');
  framework::CParseField parser(("Email=" + value + "&LineNum=3").c_str(), "&");
  std::string found;
  ASSERT_EQ(parser.GetValue("Email", found), 1);
  EXPECT_EQ(found, value);
}

// Parses and dumps a message with the desk's debug level on, and ends the process: status 0
// when the log holds the parser's debugger lines in their order.
[[noreturn]] void parseWithTheDebugLevelOn() {
  ::setenv("QUILLET_DEBUG", "1", 1);
  const desk::test::TempHome home;
  {
    framework::CParseField parser("LineNum=4&Email", "&");
    parser.Dump();
  }
  const std::string log = home.read("quillet.log");
  const char* expected[] = {
      "DEBUG - - -: Key is [LineNum], value is [4]\n",
      "DEBUG - - -: Key is [InvalidKey], value is [Email]\n",
      "DEBUG - - -: Delete QueryString [LineNum=4&Email]\n",
      "DEBUG - - -: Delete CParseField::~CParseField []\n",
      "DEBUG - - -: Delete Key [LineNum]\n",
      "DEBUG - - -: Delete Value [4]\n",
      "DEBUG - - -: Delete CParseField::~CParseField []\n",
      "DEBUG - - -: Delete Key [InvalidKey]\n",
      "DEBUG - - -: Delete Value [Email]\n",
  };
  std::size_t at = 0;
  for (const char* line : expected) {
    at = log.find(line, at);
    if (at == std::string::npos) {
      std::fprintf(stderr, "missing \"%s\" in:\n%s", line, log.c_str());
      std::exit(1);
    }
  }
  std::exit(0);
}

// The desk reads its debug level once, when its first debugger line is written: the lines
// are looked for in a process of their own, started anew with the level on.
TEST(CParseFieldDeathTest, WritesItsDebuggerLinesToTheLogAtTheDebugLevel) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(parseWithTheDebugLevelOn(), testing::ExitedWithCode(0), "");
}

}  // namespace
