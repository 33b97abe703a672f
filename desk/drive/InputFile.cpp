#include "desk/drive/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "desk/drive/ScriptLine.h"

namespace desk {
namespace {

// Closes the descriptor when the read ends, however it ends.
class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

}  // namespace

std::string readInputFile(const std::filesystem::path& path) {
  // Not blocking: opening a pipe with no writer must not wait for one.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) throw ScriptError("cannot read " + path.string());
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    throw ScriptError(path.string() + " is not a regular file");
  }
  // The size is checked while reading too: the file may grow after fstat.
  const auto tooLarge = [&path] { return ScriptError(path.string() + " is larger than 16 MiB"); };
  if (static_cast<std::uintmax_t>(status.st_size) > kMaxInputFileSize) throw tooLarge();
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count == 0) break;
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) throw ScriptError("cannot read " + path.string());
    if (content.size() + static_cast<std::size_t>(count) > kMaxInputFileSize) throw tooLarge();
    content.append(buffer, static_cast<std::size_t>(count));
  }
  return content;
}

}  // namespace desk
