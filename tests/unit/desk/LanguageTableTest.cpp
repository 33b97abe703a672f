#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

using desk::test::RecordingObserver;
using desk::test::TempHome;

// The text of key in the current table, or "<missing>" (after checking that a missing key
// leaves the text empty).
std::string text(std::string_view key, std::size_t bufferSize = 1024) {
  std::string result = "stale";
  if (LANG_getString(key, result, bufferSize)) return result;
  EXPECT_EQ(result, "");
  return "<missing>";
}

class LanguageTableTest : public testing::Test {
 protected:
  void SetUp() override {
    home_.write("Languages/en1.txt",
                "# labels\n"
                "\n"
                "  LAB_NAME = Name:  \r\n"
                "ERR_TWO=First line\\nsecond line\n"
                "TIP_EQ=a=b\n"
                "LAB_NAME=ignored second definition\n"
                "no equals sign\n"
                "  # indented comment=x\n"
                "DATA_LATIN=Caf\xE9\n");
    home_.write("Languages/DE1.txt", "LAB_NAME=Name (de)\n");
  }
  TempHome home_;
};

TEST_F(LanguageTableTest, LooksUpTextsOfTheLoadedTable) {
  LANG_load("en1");
  EXPECT_EQ(text("LAB_NAME"), " Name:  ");
  EXPECT_EQ(text("ERR_TWO"), "First line\nsecond line");
  EXPECT_EQ(text("TIP_EQ"), "a=b");
  EXPECT_EQ(text("DATA_LATIN"), "Caf\xE9");
  EXPECT_EQ(text("no equals sign"), "<missing>");
  EXPECT_EQ(text("# indented comment"), "<missing>");
  EXPECT_EQ(text("LAB_MISSING"), "<missing>");
  EXPECT_EQ(text("lab_name"), "<missing>");  // keys are exact

  std::string ex;
  EXPECT_TRUE(LANG_getStringEx("TIP_EQ", ex));
  EXPECT_EQ(ex, "a=b");
  EXPECT_FALSE(LANG_getStringEx("ERR_MISSING", ex));
  EXPECT_EQ(ex, "");

  LANG_load("De1");  // another mask switches the language
  EXPECT_EQ(text("LAB_NAME"), "Name (de)");
  LANG_unload();
  LANG_unload();
}

TEST_F(LanguageTableTest, TextsAreCutToTheBuffer) {
  LANG_load("EN1");
  EXPECT_EQ(text("TIP_EQ", 3), "a=");
  EXPECT_EQ(text("TIP_EQ", 1), "");
  EXPECT_EQ(text("TIP_EQ", 0), "");
  LANG_unload();
}

TEST_F(LanguageTableTest, KeyPseudoLanguageFindsEveryKeyAsItself) {
  LANG_load("Key");
  EXPECT_EQ(text("LAB_ANYTHING"), "LAB_ANYTHING");
  EXPECT_EQ(text("CAPTION_SEND", 8), "CAPTION");
  LANG_unload();
}

TEST_F(LanguageTableTest, UnknownCodeFallsBackToEn1WithOneErrorLine) {
  for (std::string_view code : {"XX9", "../languages/en1", ""}) {
    SCOPED_TRACE(std::string(code));
    RecordingObserver observer;
    LANG_load(code);
    EXPECT_EQ(text("LAB_NAME"), " Name:  ");
    ASSERT_EQ(observer.lines.size(), 1u);
    EXPECT_EQ(observer.lines[0].module, "TorvanArch");
    EXPECT_EQ(observer.lines[0].operation, "LANG_load");
    LANG_unload();
  }
}

TEST_F(LanguageTableTest, TableStaysUntilTheLastUnload) {
  LANG_load("EN1");
  LANG_load("EN1");
  LANG_unload();
  EXPECT_EQ(text("TIP_EQ"), "a=b");
  LANG_unload();
  EXPECT_EQ(text("TIP_EQ"), "<missing>");
  LANG_unload();  // one too many does no harm
  LANG_load("EN1");
  EXPECT_EQ(text("TIP_EQ"), "a=b");
  LANG_unload();
}

TEST_F(LanguageTableTest, ChangedTableIsSeenByTheNextLoad) {
  LANG_load("EN1");
  LANG_unload();
  home_.write("Languages/en1.txt", "TIP_EQ=changed\n");
  LANG_load("EN1");
  EXPECT_EQ(text("TIP_EQ"), "changed");
  LANG_unload();

  // Replaced by a file of the same size, as an editor saves.
  home_.write("Languages/en1.new", "TIP_EQ=CHANGED\n");
  std::filesystem::rename(home_.folder() / "Languages/en1.new",
                          home_.folder() / "Languages/en1.txt");
  LANG_load("EN1");
  EXPECT_EQ(text("TIP_EQ"), "CHANGED");
  LANG_unload();

  // Gone after a load: the next load falls back as for an unknown code.
  LANG_load("DE1");
  EXPECT_EQ(text("LAB_NAME"), "Name (de)");
  LANG_unload();
  std::filesystem::remove(home_.folder() / "Languages/DE1.txt");
  LANG_load("DE1");
  EXPECT_EQ(text("TIP_EQ"), "CHANGED");
  LANG_unload();
}

}  // namespace
