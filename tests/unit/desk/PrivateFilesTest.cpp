// Files and folders the desk makes are its user's alone, whatever the umask grants others.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/NamedQueues.h"
#include "desk/services/RegistryStore.h"
#include "framework/services/CTorvanLog.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::TempHome;

mode_t modeOf(const fs::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return 0;
  return status.st_mode & 07777;
}

// A umask that would let everyone read what is made, for the length of a test.
class OpenUmask {
 public:
  OpenUmask() : saved_(::umask(0)) {}
  ~OpenUmask() { ::umask(saved_); }

 private:
  mode_t saved_;
};

TEST(PrivateFilesTest, HomeWhiteboardLogLocksAndQueuesArePrivate) {
  OpenUmask open;
  TempHome scratch;
  const fs::path home = scratch.folder() / "fresh";
  desk::prepareHome(home);
  desk::setHome(home);

  WHITEBOARD_putString("S", "K", "value", kWhiteboardName);
  CTorvanLog().error("Test", "Private", 1, "a line");
  desk::pushQueueMessage("ID_TEST", "A=1");
  desk::updateRegistry([](desk::RegistryTree& registry) {
    registry.root().createSubkey("HKEY_CLASSES_ROOT").createSubkey("Quillet.Test");
    return true;
  });

  EXPECT_EQ(modeOf(home), 0700u);
  EXPECT_EQ(modeOf(home / "VLwhiteboard.ini"), 0600u);
  EXPECT_EQ(modeOf(home / ".vlwhiteboard.ini.lock"), 0600u);
  EXPECT_EQ(modeOf(home / "quillet.log"), 0600u);
  EXPECT_EQ(modeOf(home / "queues"), 0700u);
  EXPECT_EQ(modeOf(home / "Registry.reg"), 0600u);
  for (const auto& entry : fs::recursive_directory_iterator(home)) {
    SCOPED_TRACE(entry.path().string());
    EXPECT_EQ(modeOf(entry.path()) & 077, 0u);
  }
}

TEST(PrivateFilesTest, SaveKeepsTheModeTheUserGaveTheFile) {
  OpenUmask open;
  TempHome home;
  WHITEBOARD_putString("S", "K", "one", kWhiteboardName);
  fs::permissions(home.folder() / "VLwhiteboard.ini", fs::perms(0640));
  WHITEBOARD_putString("S", "K", "two", kWhiteboardName);
  EXPECT_EQ(modeOf(home.folder() / "VLwhiteboard.ini"), 0640u);
}

TEST(PrivateFilesTest, ProfileFilesOutsideTheHomeAreNeitherReadNorWritten) {
  TempHome outside;
  outside.write("Other.ini", "[S]\nK=secret\n");
  TempHome home;
  CTorvanProfile profile;
  profile.setIniFile((outside.folder() / "Other.ini").string());
  profile.setSectionName("S");
  profile.setKeyName("K");
  std::string value;
  EXPECT_EQ(profile.getValue(value, "none", 1024), 0);
  EXPECT_EQ(value, "none");
  EXPECT_EQ(profile.setValue("changed"), 0);
  EXPECT_EQ(outside.read("Other.ini"), "[S]\nK=secret\n");
}

}  // namespace
