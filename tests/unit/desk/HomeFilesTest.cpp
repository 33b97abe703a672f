// Files of the home that are not what the desk writes there: a pipe, a folder, a link, a file
// too large or made read-only in the whiteboard's place, a link in the lock file's place. Each
// read answers at once with the default and a log line naming the cause, each save fails the
// same way, and what was there stays exactly as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "desk/services/Whiteboard.h"
#include "framework/services/TorvanArch.h"
#include "platform/files/FileText.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::RecordingObserver;
using desk::test::TempHome;

// What a test can see of a path without changing it: its type, mode, size and, for a small
// file, its bytes; for a folder, the same of each entry.
std::string describe(const fs::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return "missing";
  std::string text = std::to_string(status.st_mode) + " " + std::to_string(status.st_size);
  if (S_ISLNK(status.st_mode)) return text + " -> " + fs::read_symlink(path).string();
  if (S_ISREG(status.st_mode) && status.st_size < 4096) {
    std::ifstream file(path, std::ios::binary);
    text += " " + std::string(std::istreambuf_iterator<char>(file), {});
  }
  if (S_ISDIR(status.st_mode)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
      text += "\n" + entry.path().filename().string() + ": " + describe(entry.path());
    }
  }
  return text;
}

std::string boardValue() {
  std::string value;
  WHITEBOARD_getString("S", "K", "<default>", value, 1024, kWhiteboardName);
  return value;
}

struct PlantedFile {
  const char* name;
  // Puts the thing in place; outside is a folder beside the home.
  std::function<void(const TempHome& home, const fs::path& outside)> plant;
  const char* readValue;  // what the whiteboard read gives
  const char* cause;      // part of the log line of each failure
};

void writeBoard(const fs::path& file, std::string_view text) {
  std::ofstream(file, std::ios::binary) << text;
}

const PlantedFile kPlantedFiles[] = {
    {"named pipe",
     [](const TempHome& home, const fs::path&) {
       ASSERT_EQ(::mkfifo((home.folder() / "VLwhiteboard.ini").c_str(), 0600), 0);
     },
     "<default>", "named pipe"},
    {"folder",
     [](const TempHome& home, const fs::path&) {
       fs::create_directory(home.folder() / "VLwhiteboard.ini");
       writeBoard(home.folder() / "VLwhiteboard.ini" / "inside", "kept");
     },
     "<default>", "a folder"},
    {"link to a file outside the home",
     [](const TempHome& home, const fs::path& outside) {
       writeBoard(outside / "secret.ini", "[S]\nK=secret\n");
       fs::create_symlink(outside / "secret.ini", home.folder() / "VLwhiteboard.ini");
     },
     "<default>", "symbolic link"},
    {"link that leads nowhere",
     [](const TempHome& home, const fs::path& outside) {
       fs::create_symlink(outside / "none.ini", home.folder() / "VLwhiteboard.ini");
     },
     "<default>", "symbolic link"},
    {"larger than 16 MiB",
     [](const TempHome& home, const fs::path&) {
       std::string text = "[S]\nK=big\n";
       text.resize(platform::kLargestReadFile + 1, '#');
       writeBoard(home.folder() / "VLwhiteboard.ini", text);
     },
     "<default>", "more than 16 MiB"},
    {"made read-only by its owner",
     [](const TempHome& home, const fs::path&) {
       writeBoard(home.folder() / "VLwhiteboard.ini", "[S]\nK=kept\n");
       fs::permissions(home.folder() / "VLwhiteboard.ini", fs::perms(0444));
     },
     "kept", "read-only"},
    {"lock file a link to a file outside the home",
     [](const TempHome& home, const fs::path& outside) {
       writeBoard(home.folder() / "VLwhiteboard.ini", "[S]\nK=kept\n");
       fs::create_symlink(outside / "planted.lock", home.folder() / ".vlwhiteboard.ini.lock");
     },
     "kept", "lock file"},
};

TEST(HomeFilesTest, WhatIsNotAWritableFileIsNeitherReadNorReplaced) {
  for (const PlantedFile& planted : kPlantedFiles) {
    SCOPED_TRACE(planted.name);
    TempHome outside;
    TempHome home;
    planted.plant(home, outside.folder());
    const fs::path board = home.folder() / "VLwhiteboard.ini";
    const std::string boardBefore = describe(board);
    const std::string outsideBefore = describe(outside.folder());

    RecordingObserver observer;
    EXPECT_EQ(boardValue(), planted.readValue);
    // The web page's read of every section goes the same way.
    EXPECT_EQ(desk::whiteboardSections().empty(),
              std::string_view(planted.readValue) == "<default>");
    WHITEBOARD_putString("S", "K", "new", kWhiteboardName);

    EXPECT_EQ(describe(board), boardBefore);
    EXPECT_EQ(describe(outside.folder()), outsideBefore);
    ASSERT_FALSE(observer.lines.empty());
    for (const auto& line : observer.lines) {
      EXPECT_NE(line.text.find(planted.cause), std::string::npos) << line.text;
    }
    EXPECT_EQ(observer.lines.back().operation, "WHITEBOARD_putString");
  }
}

TEST(HomeFilesTest, FileReadsFollowLinksOnlyWhenAsked) {
  TempHome home;
  home.write("real.txt", "text");
  fs::create_symlink(home.folder() / "real.txt", home.folder() / "link.txt");
  EXPECT_EQ(platform::readRegularFile(home.folder() / "link.txt"), "text");
  EXPECT_THROW(platform::readWholeFile(home.folder() / "link.txt", platform::FinalLink::kRefuse),
               fs::filesystem_error);
  EXPECT_EQ(platform::readWholeFile(home.folder() / "missing.txt", platform::FinalLink::kRefuse),
            std::nullopt);
  EXPECT_EQ(
      platform::readWholeFile(home.folder() / "real.txt" / "below", platform::FinalLink::kRefuse),
      std::nullopt);
  // A file of exactly the largest size is read whole.
  home.write("largest.txt", std::string(platform::kLargestReadFile, 'x'));
  EXPECT_EQ(platform::readRegularFile(home.folder() / "largest.txt")->size(),
            platform::kLargestReadFile);
  ASSERT_EQ(::mkfifo((home.folder() / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(platform::readRegularFile(home.folder() / "pipe"), std::nullopt);
}

}  // namespace
