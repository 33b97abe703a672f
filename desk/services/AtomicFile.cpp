#include "desk/services/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "desk/services/Sandbox.h"
#include "platform/files/Descriptor.h"
#include "platform/files/FileText.h"
#include "platform/text/TextRules.h"

namespace desk {
namespace {

using platform::Descriptor;

namespace fs = std::filesystem;

void (*beforeReplaceHook)() = nullptr;

// Files of the desk hold the agent's work and the agency's data: only their user reads them.
constexpr mode_t kPrivateMode = 0600;

[[noreturn]] void throwError(const char* what, const fs::path& path, int error) {
  throw fs::filesystem_error(what, path, std::error_code(error, std::generic_category()));
}

// The services keep a sandbox's writes in memory; a write that still reaches this layer is
// refused rather than let out.
void refuseInSandbox(const fs::path& path) {
  if (Sandbox::active() != nullptr) throwError("a sandbox writes no file", path, EPERM);
}

void requireRegularFile(int descriptor, const fs::path& path, const char* what) {
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) throwError("cannot examine", path, errno);
  if (!S_ISREG(status.st_mode)) throwError(what, path, EINVAL);
}

// A file whose owner has no write permission was made read-only on purpose. The replace
// would not need that permission (it writes a new file and renames it over the old one), and
// root ignores permission bits anyway, so the mode is checked here.
void refuseReadOnly(const fs::path& file, const struct stat& status) {
  if (S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0) {
    throwError("is read-only and is not replaced", file, EACCES);
  }
}

// A link planted in the lock file's place is not followed: it would create or lock a file
// elsewhere, outside the folder the lock guards.
int openLockFile(const fs::path& lockFile) {
  Descriptor descriptor(::open(
      lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, kPrivateMode));
  if (descriptor.get() < 0) throwError("cannot open lock file", lockFile, errno);
  requireRegularFile(descriptor.get(), lockFile, "lock file is not a regular file");
  return descriptor.release();
}

void writeAll(int descriptor, std::string_view content, const fs::path& path) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) throwError("cannot write", path, errno);
    content.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

FileLock FileLock::acquire(const fs::path& lockFile) {
  refuseInSandbox(lockFile);
  FileLock lock(openLockFile(lockFile));
  while (::flock(lock.descriptor_, LOCK_EX) != 0) {
    if (errno != EINTR) throwError("cannot lock", lockFile, errno);
  }
  return lock;
}

std::optional<FileLock> FileLock::acquireWithin(const fs::path& lockFile,
                                                std::chrono::milliseconds timeout) {
  refuseInSandbox(lockFile);
  using Clock = std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kPollInterval(10);
  FileLock lock(openLockFile(lockFile));
  const Clock::time_point deadline = Clock::now() + timeout;
  // flock cannot wait with a time limit, so a busy lock is polled until the deadline.
  while (::flock(lock.descriptor_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) throwError("cannot lock", lockFile, errno);
    const Clock::time_point now = Clock::now();
    if (now >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::min<Clock::duration>(kPollInterval, deadline - now));
  }
  return lock;
}

FileLock::FileLock(FileLock&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

FileLock::~FileLock() {
  // Closing the only descriptor of the lock file releases the lock.
  if (descriptor_ >= 0) ::close(descriptor_);
}

fs::path lockFileFor(const fs::path& file) {
  return file.parent_path() / ("." + platform::lowerAscii(file.filename().string()) + ".lock");
}

std::optional<std::string> readFileIfExists(const fs::path& file) {
  return platform::readWholeFile(file, platform::FinalLink::kRefuse);
}

void replaceFile(const fs::path& file, std::string_view content) {
  refuseInSandbox(file);
  // One temporary name per file is enough: only the holder of the lock writes it, and a
  // temporary file left by a crash is simply overwritten by the next save.
  const fs::path folder = file.parent_path();
  const fs::path temporary =
      folder / ("." + platform::lowerAscii(file.filename().string()) + ".tmp");
  struct stat old {};
  const bool exists = ::lstat(file.c_str(), &old) == 0;
  if (exists) refuseReadOnly(file, old);
  try {
    // Not blocking and checked after the open: a pipe planted in the temporary file's place
    // must neither hang the save nor receive the data.
    Descriptor descriptor(::open(temporary.c_str(),
                                 O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                                 kPrivateMode));
    if (descriptor.get() < 0) throwError("cannot create", temporary, errno);
    requireRegularFile(descriptor.get(), temporary, "temporary file is not a regular file");
    if (exists) ::fchmod(descriptor.get(), old.st_mode & 07777);
    writeAll(descriptor.get(), content, temporary);
    if (::fsync(descriptor.get()) != 0) throwError("cannot flush", temporary, errno);
    if (descriptor.close() != 0) throwError("cannot close", temporary, errno);
    if (beforeReplaceHook) beforeReplaceHook();
    if (::rename(temporary.c_str(), file.c_str()) != 0) throwError("cannot replace", file, errno);
  } catch (const fs::filesystem_error&) {
    ::unlink(temporary.c_str());
    throw;
  }
  // The rename itself reaches the disk with the folder. A failure here cannot be undone and
  // every reader already sees the new file, so it is not reported as a failed write.
  Descriptor folderDescriptor(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folderDescriptor.get() >= 0) ::fsync(folderDescriptor.get());
}

namespace testing {
void setBeforeReplaceHook(void (*hook)()) {
  beforeReplaceHook = hook;
}
}  // namespace testing

}  // namespace desk
