#pragma once
// Files shared by the processes of the desk. A writer holds an exclusive lock and replaces the
// whole file: the new content goes to a temporary file in the same folder, reaches the disk,
// and is renamed over the old file. A reader therefore sees the old or the new file, never a
// part of one, and a crash leaves one of the two.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace desk {

// An exclusive flock on a lock file beside the data it guards. The data file cannot carry the
// lock itself because every write replaces it with a new file.
class FileLock {
 public:
  // Waits as long as another holder keeps the lock. Throws filesystem_error when the lock file
  // cannot be opened or is not a regular file (a link in its place is not followed).
  static FileLock acquire(const std::filesystem::path& lockFile);
  // Gives up when the lock is not free within timeout.
  static std::optional<FileLock> acquireWithin(const std::filesystem::path& lockFile,
                                               std::chrono::milliseconds timeout);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

 private:
  explicit FileLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
};

// The lock file that guards file: ".<name in lower case>.lock" in the same folder, so that
// every spelling of one name shares one lock.
std::filesystem::path lockFileFor(const std::filesystem::path& file);

// The whole content of file, or nothing when it (or its folder) does not exist. Throws
// filesystem_error when it exists but cannot be read, and when it is not a regular file of at
// most 16 MiB: a link (not followed), a folder, a pipe, a device.
std::optional<std::string> readFileIfExists(const std::filesystem::path& file);

// Replaces file by content as described above; the caller holds the file's lock. Throws
// filesystem_error when the new content cannot be written, and when the owner of file took
// away its own write permission; the old file is then untouched.
void replaceFile(const std::filesystem::path& file, std::string_view content);

namespace testing {
// Runs after the new content is on disk in the temporary file and before it replaces the
// file, so that a test can end the process in the middle of a save. Null for none.
void setBeforeReplaceHook(void (*hook)());
}  // namespace testing

}  // namespace desk
