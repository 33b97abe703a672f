#include "desk/home/DeskHome.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "desk/home/EmbeddedFiles.h"
#include "desk/services/Whiteboard.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::TempHome;

std::string boardValue(std::string_view section, std::string_view key) {
  std::string value;
  WHITEBOARD_getString(section, key, "<none>", value, 1024, kWhiteboardName);
  return value;
}

TEST(DeskHomeTest, NewHomeGetsTheDefaultsAndNamesItself) {
  TempHome scratch;
  const fs::path folder = scratch.folder() / "new" / "home";
  desk::prepareHome(folder.string() + "/");

  const std::string homeText = folder.string();
  for (const desk::EmbeddedFile& file : desk::defaults::embeddedFiles()) {
    SCOPED_TRACE(std::string(file.path));
    const std::string written = scratch.read(fs::path("new/home") / file.path);
    if (file.path == "VLwhiteboard.ini") continue;  // gains the SYSTEM keys checked below
    if (file.bytes.find("{HOME}") == std::string_view::npos) {
      EXPECT_EQ(written, file.bytes);
    } else {
      EXPECT_EQ(written.find("{HOME}"), std::string::npos);
      EXPECT_NE(written.find(homeText), std::string::npos);
    }
  }
  desk::setHome(folder);
  EXPECT_EQ(boardValue("SYSTEM", "InstallDir"), homeText);
  EXPECT_EQ(boardValue("SYSTEM", "PATH"), homeText);
}

TEST(DeskHomeTest, EmptyFolderIsFilledAndAFolderWithContentIsLeftAlone) {
  TempHome home;  // exists and is empty
  desk::prepareHome(home.folder());
  EXPECT_EQ(boardValue("SYSTEM", "Path"), home.folder().string());

  TempHome used;
  used.write("notes.txt", "mine");
  desk::prepareHome(used.folder());
  EXPECT_FALSE(fs::exists(desk::whiteboardFile()));

  // A file where the home should be.
  EXPECT_THROW(desk::prepareHome(used.folder() / "notes.txt"), fs::filesystem_error);
}

TEST(DeskHomeTest, LinkToAnEmptyFolderFillsTheFolderAndStays) {
  TempHome scratch;
  fs::create_directory(scratch.folder() / "real");
  fs::create_directory_symlink(scratch.folder() / "real", scratch.folder() / "link");
  const fs::path link = scratch.folder() / "link";
  desk::prepareHome(link);

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_regular_file(scratch.folder() / "real" / "TorvanMain.ini"));
  desk::setHome(link);
  EXPECT_EQ(boardValue("SYSTEM", "Path"), link.string());

  // A link that leads nowhere is no home, and nothing is made for it.
  fs::create_directory_symlink(scratch.folder() / "gone", scratch.folder() / "dangling");
  EXPECT_THROW(desk::prepareHome(scratch.folder() / "dangling"), fs::filesystem_error);
  EXPECT_FALSE(fs::exists(scratch.folder() / "gone"));
}

TEST(DeskHomeTest, HomeWithAControlCharacterIsRefused) {
  struct Case {
    char character;
    const char* shown;  // how the message shows it
  };
  const Case cases[] = {
      {'\n', "\\n"},     {'\r', "\\r"},     {'\t', "\\t"},
      {'\x01', "\\x01"}, {'\x1B', "\\x1B"}, {'\x7F', "\\x7F"},
  };
  TempHome scratch;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const std::string name = std::string("a") + c.character + "b";
    const fs::path folder = scratch.folder() / name;
    try {
      desk::prepareHome(folder);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& refused) {
      const std::string message = refused.what();
      EXPECT_NE(message.find(std::string("a") + c.shown + "b"), std::string::npos) << message;
      EXPECT_EQ(message.find(c.character), std::string::npos) << "the character itself is shown";
    }
  }
  // Nothing was made for any of them.
  EXPECT_TRUE(fs::is_empty(scratch.folder()));
}

TEST(DeskHomeTest, UserHomeFollowsTheEnvironment) {
  struct Case {
    const char* quilletHome;
    const char* xdgDataHome;
    const char* expected;
  };
  const Case cases[] = {
      {"/q", "/data", "/q"},
      {nullptr, "/data", "/data/quillet"},
      {"", "/data", "/data/quillet"},
      {nullptr, "relative", "/users/me/.local/share/quillet"},
      {nullptr, nullptr, "/users/me/.local/share/quillet"},
  };
  auto saved = [](const char* name) -> std::optional<std::string> {
    const char* value = ::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  auto restore = [](const char* name, const std::optional<std::string>& value) {
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  };
  const auto quilletHome = saved("QUILLET_HOME"), xdg = saved("XDG_DATA_HOME"),
             userHome = saved("HOME");
  ::setenv("HOME", "/users/me", 1);
  for (const Case& c : cases) {
    restore("QUILLET_HOME",
            c.quilletHome ? std::optional<std::string>(c.quilletHome) : std::nullopt);
    restore("XDG_DATA_HOME",
            c.xdgDataHome ? std::optional<std::string>(c.xdgDataHome) : std::nullopt);
    EXPECT_EQ(desk::userHome(), fs::path(c.expected));
  }
  restore("QUILLET_HOME", quilletHome);
  restore("XDG_DATA_HOME", xdg);
  restore("HOME", userHome);
}

}  // namespace
