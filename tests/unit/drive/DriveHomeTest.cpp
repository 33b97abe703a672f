// The drive's home as the command takes it: a path with a control character is refused before
// anything is made, and a whiteboard that is no regular file is reported, not waited on.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "desk/drive/DriveCommand.h"
#include "desk/home/DeskHome.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::TempHome;

struct DriveRun {
  int status;
  std::string output;
};

DriveRun drive(const fs::path& home, const fs::path& script) {
  std::ostringstream output;
  std::streambuf* const standardOutput = std::cout.rdbuf(output.rdbuf());
  const int status = desk::runDriveCommand(
      {"PNRCreationFax", "--home", home.string(), "--script", script.string()});
  std::cout.rdbuf(standardOutput);
  return {status, output.str()};
}

TEST(DriveHomeTest, HomeWithALineBreakIsRefusedBeforeAnythingIsMade) {
  TempHome scratch;
  scratch.write("script.drive", "open\nclose\n");
  const fs::path home = scratch.folder() / "home\n[SYSTEM]\nPath=/elsewhere";
  const DriveRun run = drive(home, scratch.folder() / "script.drive");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("{\"error\":\"the home"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("holds a control character"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(home));
  EXPECT_FALSE(fs::exists(scratch.folder() / "home"));
}

TEST(DriveHomeTest, WhiteboardThatIsAPipeIsReportedAndLeftAsItIs) {
  TempHome scratch;
  const fs::path home = scratch.folder() / "home";
  desk::prepareHome(home);
  const fs::path board = home / "VLwhiteboard.ini";
  fs::remove(board);
  ASSERT_EQ(::mkfifo(board.c_str(), 0600), 0);
  scratch.write("script.drive", "open\ntype 304 5551234\nclick 223\nwbdump SYSTEM\nclose\n");

  const DriveRun run = drive(home, scratch.folder() / "script.drive");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("named pipe"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("\"wb\""), std::string::npos) << run.output;
  EXPECT_TRUE(fs::is_fifo(board));
}

}  // namespace
