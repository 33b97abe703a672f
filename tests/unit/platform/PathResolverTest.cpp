#include "platform/files/PathResolver.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class PathResolverTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quillet-path-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "Config" / "Codes");
    for (const char* file : {"Config/TorvanMain.ini", "Config/Codes/air.xml", "same.ini",
                             "SAME.ini", "Same.INI", "Both.txt", "both.TXT"}) {
      std::ofstream(root_ / file) << "x";
    }
  }
  void TearDown() override { fs::remove_all(root_); }

  // A mask path below the test folder: the folder itself, a separator, then rest.
  std::string maskPath(std::string_view rest) const {
    return root_.string() + "\\" + std::string(rest);
  }

  fs::path root_;
};

TEST_F(PathResolverTest, NamesFindExistingEntriesInAnyLetterCase) {
  struct Case {
    std::string_view maskPath;
    std::string_view expected;  // below the test folder
  };
  const Case cases[] = {
      {"Config\\TorvanMain.ini", "Config/TorvanMain.ini"},
      {"config\\torvanmain.INI", "Config/TorvanMain.ini"},
      {"CONFIG/codes\\AIR.xml", "Config/Codes/air.xml"},
      {"config\\\\codes\\", "Config/Codes"},  // doubled and trailing separators
      {"Config\\New.ini", "Config/New.ini"},  // a new file keeps its spelling
      {"missing\\Folder\\File.ini", "missing/Folder/File.ini"},
      {"same.ini", "same.ini"},  // the exact name wins
      {"SAME.ini", "SAME.ini"},
      {"sAmE.iNi", "SAME.ini"},  // otherwise the first in byte order
      {"BOTH.txt", "Both.txt"},
      {"Config\\.\\TorvanMain.ini", "Config/./TorvanMain.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::resolvePath(maskPath(c.maskPath)), root_ / c.expected) << c.maskPath;
  }
}

TEST_F(PathResolverTest, LeadingSeparatorMakesThePathAbsoluteOtherwiseRelative) {
  EXPECT_EQ(platform::resolvePath("\\temp\\PNRToBeCreate.pnrdata"),
            fs::path("/temp/PNRToBeCreate.pnrdata"));
  EXPECT_EQ(platform::resolvePath(""), fs::path());

  const fs::path previous = fs::current_path();
  fs::current_path(root_);
  EXPECT_EQ(platform::resolvePath("config\\codes\\Air.XML"), fs::path("Config/Codes/air.xml"));
  EXPECT_EQ(platform::resolvePath("new.ini"), fs::path("new.ini"));
  fs::current_path(previous);
}

TEST_F(PathResolverTest, FindInFolder) {
  EXPECT_EQ(platform::findInFolder(root_, "config"), root_ / "Config");
  EXPECT_EQ(platform::findInFolder(root_, "Nothing"), root_ / "Nothing");
  EXPECT_EQ(platform::findInFolder(root_ / "missing", "x"), root_ / "missing" / "x");
}

TEST_F(PathResolverTest, PathsLeadingOutsideTheRootNameNoFile) {
  fs::create_directory_symlink("/etc", root_ / "Config" / "elsewhere");
  platform::setPathRoot(root_);
  EXPECT_EQ(platform::resolvePath(maskPath("config\\torvanmain.ini")),
            root_ / "Config" / "TorvanMain.ini");
  EXPECT_EQ(platform::resolvePath(maskPath("Config\\New\\file.txt")),
            root_ / "Config" / "New" / "file.txt");
  for (const std::string& outside :
       {std::string("/etc/passwd"), maskPath("..\\x.ini"), maskPath("Config\\..\\..\\x"),
        maskPath("Config\\elsewhere\\passwd"), std::string("relative.ini")}) {
    EXPECT_EQ(platform::resolvePath(outside), fs::path()) << outside;
  }
  platform::setPathRoot({});
  EXPECT_EQ(platform::resolvePath("/etc/passwd"), fs::path("/etc/passwd"));
}

}  // namespace
