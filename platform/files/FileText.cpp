#include "platform/files/FileText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <system_error>

#include "platform/files/Descriptor.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void throwError(const std::string& what, const fs::path& path, int error) {
  throw fs::filesystem_error(what, path, std::error_code(error, std::generic_category()));
}

const char* kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a regular file";
}

const std::string& tooLargeText() {
  static const std::string text =
      "holds more than " + std::to_string(kLargestReadFile / (1024 * 1024)) + " MiB";
  return text;
}

}  // namespace

std::optional<std::string> readWholeFile(const fs::path& path, FinalLink link) {
  // Not blocking, so that opening a pipe without a writer returns at once and is refused below.
  int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
  if (link == FinalLink::kRefuse) flags |= O_NOFOLLOW;
  const Descriptor file(::open(path.c_str(), flags));
  if (file.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return std::nullopt;
    if (error == ELOOP && link == FinalLink::kRefuse) {
      throwError("is a symbolic link, which is not read", path, error);
    }
    throwError("cannot open", path, error);
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) throwError("cannot examine", path, errno);
  if (!S_ISREG(status.st_mode)) {
    throwError(std::string("is ") + kindOf(status.st_mode) + ", not a file that can be read", path,
               S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
  }
  if (static_cast<std::uintmax_t>(status.st_size) > kLargestReadFile) {
    throwError(tooLargeText(), path, EFBIG);
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(status.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t count = ::read(file.get(), chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) throwError("cannot read", path, errno);
    if (count == 0) return content;
    // The file may have grown since fstat.
    if (content.size() + static_cast<std::size_t>(count) > kLargestReadFile) {
      throwError(tooLargeText(), path, EFBIG);
    }
    content.append(chunk, static_cast<std::size_t>(count));
  }
}

std::optional<std::string> readRegularFile(const fs::path& path) {
  try {
    return readWholeFile(path, FinalLink::kFollow);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace platform
