// The whiteboard and the profile files as one store: names, values, file layout, batches.

#include <gtest/gtest.h>

#include <string>

#include "desk/services/Whiteboard.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

using desk::test::TempHome;

std::string readBoard(std::string_view section, std::string_view key,
                      std::string_view defaultValue = "<none>", std::size_t bufferSize = 1024) {
  std::string value;
  WHITEBOARD_getString(section, key, defaultValue, value, bufferSize, kWhiteboardName);
  return value;
}

class WhiteboardTest : public testing::Test {
 protected:
  CTorvanProfile& profileOn(std::string_view file, std::string_view section) {
    profile_.setIniFile(file);
    profile_.setSectionName(section);
    return profile_;
  }
  // Reads key through the profile: the value, or "<none>" when nothing was stored.
  std::string profileValue(std::string_view key) {
    profile_.setKeyName(key);
    std::string value;
    return profile_.getValue(value, "<none>", 1024) ? value : "<none>";
  }
  int profileWrite(std::string_view key, std::string_view value) {
    profile_.setKeyName(key);
    return profile_.setValue(value);
  }

  TempHome home_;
  CTorvanProfile profile_;
};

TEST_F(WhiteboardTest, BothNamesReachOneStoreWithoutRegardToCase) {
  WHITEBOARD_putString("User", "LANG", "EN1", "vlwhiteboard");
  profileOn("VLWHITEBOARD.INI", "USER");
  EXPECT_EQ(profileValue("lang"), "EN1");

  EXPECT_EQ(profileWrite("Lang", "DE1"), 1);
  EXPECT_EQ(readBoard("user", "LANG"), "DE1");
  // One section and one key, spelled as first written.
  EXPECT_EQ(home_.read("VLwhiteboard.ini"), "[User]\nLANG=DE1\n");
}

TEST_F(WhiteboardTest, FindsTheFileInAnyLetterCase) {
  home_.write("vlwhiteboard.ini", "[SYSTEM]\nPath=/somewhere\n");
  EXPECT_EQ(desk::whiteboardFile(), home_.folder() / "vlwhiteboard.ini");
  EXPECT_EQ(readBoard("SYSTEM", "PATH"), "/somewhere");
  WHITEBOARD_putString("SYSTEM", "InstallDir", "/x", kWhiteboardName);
  EXPECT_FALSE(std::filesystem::exists(home_.folder() / "VLwhiteboard.ini"));
  EXPECT_EQ(home_.read("vlwhiteboard.ini"), "[SYSTEM]\nPath=/somewhere\nInstallDir=/x\n");
}

TEST_F(WhiteboardTest, ValuesAreKeptExactly) {
  const std::string_view values[] = {
      "",           "  blanks around  ", "a=b=c",       "; not a comment",
      "\"quoted\"", "[SECTION]",         "back\\slash", "caf\xE9 \xA4\xA5\xA7",  // Latin-1 bytes
  };
  profileOn("VLwhiteboard.ini", "VALUES");
  for (std::string_view value : values) {
    SCOPED_TRACE(std::string(value));
    ASSERT_EQ(profileWrite("KEY", value), 1);
    EXPECT_EQ(profileValue("KEY"), value);
    EXPECT_EQ(readBoard("VALUES", "KEY"), value);
  }
}

TEST_F(WhiteboardTest, LineBreaksInValuesBecomeBlanks) {
  WHITEBOARD_putString("S", "K", "one\ntwo\r\n[S]\nK=three", kWhiteboardName);
  EXPECT_EQ(readBoard("S", "K"), "one two  [S] K=three");
  EXPECT_EQ(desk::whiteboardSection("S").size(), 1u);
}

TEST_F(WhiteboardTest, ValuesKeepTheirTextOverSavesOfOtherKeys) {
  // Found by fuzzing: a line end of CR CR LF lost one CR at each save.
  home_.write("VLwhiteboard.ini", "[A]\r\nK=kept\r\r\nL=mid\rdle\r\n");
  EXPECT_EQ(readBoard("A", "K"), "kept");
  for (const char* value : {"1", "2"}) {
    WHITEBOARD_putString("A", "Other", value, kWhiteboardName);
    EXPECT_EQ(readBoard("A", "K"), "kept");
    EXPECT_EQ(readBoard("A", "L"), "mid\rdle");
  }
}

TEST_F(WhiteboardTest, NewKeysGoToTheEndOfTheirSectionAndCommentsStay) {
  home_.write("VLwhiteboard.ini",
              "; written by hand\r\n[A]\r\n  First = 1\r\n\r\n[B]\r\nX=2\r\nnot an entry\r\n");
  WHITEBOARD_putString("a", "Second", "3", kWhiteboardName);
  WHITEBOARD_putString("C", "Y", "4", kWhiteboardName);
  WHITEBOARD_putString("A", "FIRST", "5", kWhiteboardName);
  EXPECT_EQ(home_.read("VLwhiteboard.ini"),
            "; written by hand\n[A]\n  First =5\nSecond=3\n\n[B]\nX=2\nnot an entry\n[C]\nY=4\n");

  const std::vector<std::pair<std::string, std::string>> expected = {{"First", "5"},
                                                                     {"Second", "3"}};
  EXPECT_EQ(desk::whiteboardSection("A"), expected);
  EXPECT_TRUE(desk::whiteboardSection("missing").empty());
}

TEST_F(WhiteboardTest, MissingValuesAndBufferLimits) {
  EXPECT_EQ(readBoard("NOSUCH", "KEY", "default"), "default");  // no file yet
  WHITEBOARD_putString("S", "K", "123456", kWhiteboardName);
  EXPECT_EQ(readBoard("S", "OTHER", "default"), "default");
  EXPECT_EQ(readBoard("S", "K", "default", 4), "123");
  EXPECT_EQ(readBoard("S", "OTHER", "default", 4), "def");
  EXPECT_EQ(readBoard("S", "K", "default", 1), "");

  profileOn("VLwhiteboard.ini", "S");
  profile_.setKeyName("OTHER");
  std::string value;
  EXPECT_EQ(profile_.getValue(value, "iu nhau", 100), 0);
  EXPECT_EQ(value, "iu nhau");
  profile_.setKeyName("K");
  EXPECT_NE(profile_.getValue(value, "", 3), 0);
  EXPECT_EQ(value, "12");
}

TEST_F(WhiteboardTest, NamesThatWouldChangeTheFileAreRefused) {
  desk::test::RecordingObserver observer;
  profileOn("VLwhiteboard.ini", "S");
  for (std::string_view key : {"", "  ", "A=B", "[X", ";X", "#X", "A\nB"}) {
    SCOPED_TRACE(std::string(key));
    EXPECT_EQ(profileWrite(key, "v"), 0);
  }
  profileOn("VLwhiteboard.ini", "S]X");
  EXPECT_EQ(profileWrite("K", "v"), 0);
  EXPECT_EQ(observer.lines.size(), 8u);
  EXPECT_FALSE(std::filesystem::exists(desk::whiteboardFile()));
}

TEST_F(WhiteboardTest, OtherStoreNamesReadAsDefaults) {
  WHITEBOARD_putString("S", "K", "v", "OTHERBOARD");
  EXPECT_FALSE(std::filesystem::exists(desk::whiteboardFile()));
  std::string value;
  WHITEBOARD_getString("S", "K", "default", value, 100, "OTHERBOARD");
  EXPECT_EQ(value, "default");
}

TEST_F(WhiteboardTest, OtherIniFilesByMaskPath) {
  home_.write("Config/TorvanMain.ini", "[ENCODER]\nAirline=codes\\air.xml\n");
  // As the masks form it: backslashes, and a letter case that differs from the disk.
  const std::string maskPath = home_.folder().string() + "\\config\\torvanmain.INI";
  profileOn(maskPath, "encoder");
  EXPECT_EQ(profileValue("AIRLINE"), "codes\\air.xml");
  EXPECT_EQ(profileWrite("City", "codes\\city.xml"), 1);
  EXPECT_EQ(home_.read("Config/TorvanMain.ini"),
            "[ENCODER]\nAirline=codes\\air.xml\nCity=codes\\city.xml\n");

  profileOn(home_.folder().string() + "\\missing.ini", "S");
  EXPECT_EQ(profileValue("K"), "<none>");
  profileOn("", "S");
  EXPECT_EQ(profileValue("K"), "<none>");
}

TEST_F(WhiteboardTest, BatchReadsOneSnapshotAndWritesTogether) {
  WHITEBOARD_putString("PNR.CREATION.FAX", "FAXNO", "old", kWhiteboardName);
  profileOn("VLwhiteboard.ini", "PNR.CREATION.FAX");
  {
    CTorvanProfile::Batch batch(profile_);
    EXPECT_EQ(profileWrite("SHARKDOLPHIN", "iu tham thiet"), 1);
    EXPECT_EQ(profileWrite("FAXNO", "5551234"), 1);
    // The batch sees its own writes; nobody else does yet.
    EXPECT_EQ(profileValue("FAXNO"), "5551234");
    EXPECT_EQ(readBoard("PNR.CREATION.FAX", "FAXNO"), "old");
    EXPECT_EQ(readBoard("PNR.CREATION.FAX", "SHARKDOLPHIN"), "<none>");
    // Another writer meanwhile: not in the batch's snapshot, and not lost when it ends.
    WHITEBOARD_putString("PNR.CREATION.FAX", "OTHER", "theirs", kWhiteboardName);
    EXPECT_EQ(profileValue("OTHER"), "<none>");
    {
      CTorvanProfile::Batch nested(profile_);
      EXPECT_EQ(profileWrite("LINENO", "2"), 1);
    }
    EXPECT_EQ(readBoard("PNR.CREATION.FAX", "LINENO"), "<none>");
  }
  EXPECT_EQ(readBoard("PNR.CREATION.FAX", "SHARKDOLPHIN"), "iu tham thiet");
  EXPECT_EQ(readBoard("PNR.CREATION.FAX", "FAXNO"), "5551234");
  EXPECT_EQ(readBoard("PNR.CREATION.FAX", "LINENO"), "2");
  EXPECT_EQ(readBoard("PNR.CREATION.FAX", "OTHER"), "theirs");
  // After the batch, reads see the file again.
  WHITEBOARD_putString("PNR.CREATION.FAX", "OTHER", "later", kWhiteboardName);
  EXPECT_EQ(profileValue("OTHER"), "later");
}

}  // namespace
