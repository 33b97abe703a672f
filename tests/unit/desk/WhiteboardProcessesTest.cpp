// The whiteboard shared by processes: concurrent writers, a crash while saving, a failed write.

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "desk/services/AtomicFile.h"
#include "desk/services/Whiteboard.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"
#include "tests/unit/desk/WhiteboardLoad.h"

namespace {

using desk::test::runInChild;
using desk::test::TempHome;
using desk::test::waitFor;

std::map<std::string, std::string> sectionAsMap(std::string_view section) {
  std::map<std::string, std::string> values;
  for (auto& [key, value] : desk::whiteboardSection(section)) values.emplace(key, value);
  return values;
}

TEST(WhiteboardProcessesTest, ConcurrentWritersLoseNothing) {
  TempHome home;
  constexpr int kWriters = 4;
  constexpr int kKeys = 15;
  constexpr int kRounds = 2;
  std::vector<pid_t> children;
  for (int writer = 0; writer < kWriters; ++writer) {
    children.push_back(runInChild([writer] {
      // Half the writers go through the profile class, half through the C functions.
      CTorvanProfile profile;
      profile.setIniFile("VLwhiteboard.ini");
      profile.setSectionName("STRESS");
      for (int round = 0; round < kRounds; ++round) {
        for (int key = 0; key < kKeys; ++key) {
          const std::string name = "W" + std::to_string(writer) + "K" + std::to_string(key);
          const std::string value = "round " + std::to_string(round);
          if (writer % 2 == 0) {
            WHITEBOARD_putString("STRESS", name, value, kWhiteboardName);
          } else {
            profile.setKeyName(name);
            profile.setValue(value);
          }
        }
      }
    }));
  }
  for (pid_t child : children) {
    const int status = waitFor(child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const std::map<std::string, std::string> values = sectionAsMap("STRESS");
  EXPECT_EQ(values.size(), static_cast<std::size_t>(kWriters * kKeys));
  for (const auto& [key, value] : values) EXPECT_EQ(value, "round 1") << key;
}

// A small run of the soak's loads (make soak runs them large): readers never see a torn file or
// a value go back, no writer's last value is lost, and a killed writer leaves a whole file
// with every save it completed.
TEST(WhiteboardProcessesTest, ReadersSeeWholeFilesWhileWritersShareASection) {
  TempHome home;
  const desk::test::ConcurrentFigures figures =
      desk::test::runConcurrentWriters(home.folder(), 4, 120, 2);
  EXPECT_EQ(figures.failedChildren, 0);
  EXPECT_GT(figures.reads, 0);
  EXPECT_EQ(figures.tornReads, 0);
  EXPECT_EQ(figures.lostWrites, 0);
}

TEST(WhiteboardProcessesTest, WriterKilledAtRandomPointsLosesNoCompletedSave) {
  TempHome home;
  const desk::test::KillFigures figures = desk::test::runKilledWriters(home.folder(), 12, 7);
  EXPECT_EQ(figures.kills, 12);
  EXPECT_EQ(figures.unreadableAfter, 0);
  EXPECT_EQ(figures.completedLost, 0);
}

TEST(WhiteboardProcessesTest, CrashWhileSavingLeavesTheOldFile) {
  TempHome home;
  WHITEBOARD_putString("S", "K", "old", kWhiteboardName);
  const std::string before = home.read("VLwhiteboard.ini");

  const pid_t child = runInChild([] {
    desk::testing::setBeforeReplaceHook([] { std::raise(SIGKILL); });
    CTorvanProfile profile;
    profile.setIniFile("VLwhiteboard.ini");
    profile.setSectionName("S");
    CTorvanProfile::Batch batch(profile);
    profile.setKeyName("K");
    profile.setValue("new");
    profile.setKeyName("K2");
    profile.setValue("new too");
  });
  const int status = waitFor(child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

  EXPECT_EQ(home.read("VLwhiteboard.ini"), before);
  const std::vector<std::pair<std::string, std::string>> expected = {{"K", "old"}};
  EXPECT_EQ(desk::whiteboardSection("S"), expected);
  // The dead writer's lock went with it.
  WHITEBOARD_putString("S", "K", "after", kWhiteboardName);
  EXPECT_EQ(sectionAsMap("S").at("K"), "after");
}

TEST(WhiteboardProcessesTest, FailedWriteIsReportedAndChangesNothing) {
  TempHome home;
  WHITEBOARD_putString("S", "K", "old", kWhiteboardName);
  const std::string before = home.read("VLwhiteboard.ini");
  // A folder where the temporary file must go makes every save fail, whatever the user's rights.
  std::filesystem::create_directory(home.folder() / ".vlwhiteboard.ini.tmp");

  desk::test::RecordingObserver observer;
  CTorvanProfile profile;
  profile.setIniFile("VLwhiteboard.ini");
  profile.setSectionName("S");
  profile.setKeyName("K");
  EXPECT_EQ(profile.setValue("new"), 0);
  WHITEBOARD_putString("S", "K", "newer", kWhiteboardName);

  EXPECT_EQ(home.read("VLwhiteboard.ini"), before);
  ASSERT_EQ(observer.lines.size(), 2u);
  EXPECT_EQ(observer.lines[0].module, "TorvanUtil");
  EXPECT_EQ(observer.lines[0].operation, "setValue");
  EXPECT_EQ(observer.lines[1].operation, "WHITEBOARD_putString");
  EXPECT_NE(home.read("quillet.log").find("setValue"), std::string::npos);
}

}  // namespace
