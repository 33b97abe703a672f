#include "desk/drive/InputFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "desk/drive/ScriptLine.h"
#include "tests/unit/desk/TempHome.h"

namespace {

using desk::readInputFile;
using desk::ScriptError;

std::string errorOf(const std::filesystem::path& path) {
  try {
    readInputFile(path);
  } catch (const ScriptError& error) {
    return error.what();
  }
  return "no error";
}

TEST(InputFileTest, ReadsARegularFileWhole) {
  const desk::test::TempHome folder;
  const std::string content("line 1\r\nline 2\0\xff", 16);
  folder.write("reply.txt", content);
  EXPECT_EQ(readInputFile(folder.folder() / "reply.txt"), content);
  folder.write("empty.txt", "");
  EXPECT_EQ(readInputFile(folder.folder() / "empty.txt"), "");
}

TEST(InputFileTest, RefusesWhatIsNotARegularFile) {
  const desk::test::TempHome folder;
  const std::filesystem::path fifo = folder.folder() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::filesystem::path paths[] = {folder.folder(), fifo, "/dev/zero", "/dev/urandom"};
  for (const auto& path : paths) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(errorOf(path), path.string() + " is not a regular file");
  }
  const std::filesystem::path missing = folder.folder() / "missing";
  EXPECT_EQ(errorOf(missing), "cannot read " + missing.string());
}

TEST(InputFileTest, AtMostSixteenMebibytes) {
  const desk::test::TempHome folder;
  const std::filesystem::path path = folder.folder() / "large";
  folder.write("large", "");
  std::filesystem::resize_file(path, desk::kMaxInputFileSize);
  EXPECT_EQ(readInputFile(path).size(), desk::kMaxInputFileSize);
  std::filesystem::resize_file(path, desk::kMaxInputFileSize + 1);
  EXPECT_EQ(errorOf(path), path.string() + " is larger than 16 MiB");
}

}  // namespace
