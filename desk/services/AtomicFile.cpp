#include "desk/services/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "desk/services/Sandbox.h"
#include "platform/text/TextRules.h"

namespace desk {
namespace {

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

// Closes a descriptor when it goes out of scope, on every path out of a function.
class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  int get() const { return descriptor_; }
  // Closes now so that a failure of close (a delayed write error) can be reported.
  int close() { return ::close(std::exchange(descriptor_, -1)); }

 private:
  int descriptor_;
};

int openLockFile(const fs::path& lockFile) {
  const int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kPrivateMode);
  if (descriptor < 0) throwError("cannot open lock file", lockFile, errno);
  return descriptor;
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
  Descriptor descriptor(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (descriptor.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throwError("cannot open", file, errno);
  }
  std::string content;
  char chunk[16384];
  for (;;) {
    const ssize_t count = ::read(descriptor.get(), chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) throwError("cannot read", file, errno);
    if (count == 0) return content;
    content.append(chunk, static_cast<std::size_t>(count));
  }
}

void replaceFile(const fs::path& file, std::string_view content) {
  refuseInSandbox(file);
  // One temporary name per file is enough: only the holder of the lock writes it, and a
  // temporary file left by a crash is simply overwritten by the next save.
  const fs::path folder = file.parent_path();
  const fs::path temporary =
      folder / ("." + platform::lowerAscii(file.filename().string()) + ".tmp");
  try {
    Descriptor descriptor(::open(
        temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, kPrivateMode));
    if (descriptor.get() < 0) throwError("cannot create", temporary, errno);
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) ::fchmod(descriptor.get(), old.st_mode & 07777);
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
