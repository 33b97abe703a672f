#include "desk/home/DeskHome.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "desk/home/EmbeddedFiles.h"
#include "desk/services/IniStore.h"
#include "desk/services/WhiteboardStore.h"
#include "platform/files/PathResolver.h"

namespace desk {
namespace {

namespace fs = std::filesystem;

// Default files may name the home they are written to, e.g. in help addresses.
constexpr std::string_view kHomePlaceholder = "{HOME}";

std::optional<fs::path>& chosenHome() {
  static std::optional<fs::path> folder;
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

fs::path userFolder() {
  if (std::string folder = environment("HOME"); !folder.empty()) return folder;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    return found->pw_dir;
  }
  return ".";
}

// The absolute form, without a trailing separator, that the whiteboard and the defaults name.
std::string absoluteText(const fs::path& folder) {
  std::string text = fs::absolute(folder).lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

std::string replacePlaceholder(std::string_view bytes, std::string_view homeText) {
  std::string result;
  for (;;) {
    const std::size_t at = bytes.find(kHomePlaceholder);
    result += bytes.substr(0, at);
    if (at == std::string_view::npos) return result;
    result += homeText;
    bytes.remove_prefix(at + kHomePlaceholder.size());
  }
}

[[noreturn]] void throwError(const char* what, const fs::path& path, int error) {
  throw fs::filesystem_error(what, path, std::error_code(error, std::generic_category()));
}

// The home holds the agent's work and the agency's data: its folders and files are the user's
// alone (0700 and 0600), whatever the umask lets others have.
void makePrivateFolders(const fs::path& folder) {
  if (folder.empty() || fs::is_directory(folder)) return;
  makePrivateFolders(folder.parent_path());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    throwError("cannot make folder", folder, errno);
  }
}

void writeFile(const fs::path& file, std::string_view bytes) {
  makePrivateFolders(file.parent_path());
  const int descriptor =
      ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (descriptor < 0) throwError("cannot write default file", file, errno);
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      const int error = errno;
      ::close(descriptor);
      throwError("cannot write default file", file, error);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::close(descriptor) != 0) throwError("cannot write default file", file, errno);
}

// A line break in the home's path would end the lines of the settings that name the home and
// start lines of its own; other control characters have no place in a folder name either.
void refuseControlCharacters(const std::string& homeText) {
  const auto isControl = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
  if (std::ranges::none_of(homeText, isControl)) return;
  std::string shown;
  for (const unsigned char c : homeText) {
    if (!isControl(c)) {
      shown += static_cast<char>(c);
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else {
      constexpr char kDigits[] = "0123456789ABCDEF";
      shown += "\\x";
      shown += kDigits[c >> 4];
      shown += kDigits[c & 0xF];
    }
  }
  throw std::invalid_argument("the home \"" + shown +
                              "\" holds a control character; choose a folder whose path has none");
}

// The folder that receives the defaults: a home given as a link is filled where the link
// leads, and the link stays as it is.
fs::path folderToFill(const fs::path& home) {
  if (!fs::is_symlink(home)) return home;
  std::error_code error;
  fs::path real = fs::canonical(home, error);
  if (error) throw fs::filesystem_error("home is a link that leads nowhere", home, error);
  return real;
}

bool isMissingOrEmpty(const fs::path& folder) {
  if (!fs::exists(folder)) return true;
  if (!fs::is_directory(folder)) {
    throw fs::filesystem_error("home is not a folder", folder,
                               std::make_error_code(std::errc::not_a_directory));
  }
  return fs::is_empty(folder);
}

}  // namespace

void setHome(const fs::path& folder) {
  chosenHome() = fs::absolute(folder);
  // The paths that masks form from the whiteboard and the settings stay inside the home.
  platform::setPathRoot(*chosenHome());
}

const fs::path& home() {
  std::optional<fs::path>& folder = chosenHome();
  if (!folder) {
    folder = fs::absolute(userHome());
    platform::setPathRoot(*folder);
  }
  return *folder;
}

fs::path userHome() {
  if (std::string folder = environment("QUILLET_HOME"); !folder.empty()) return folder;
  // The XDG rules ignore a relative data folder.
  if (fs::path data = environment("XDG_DATA_HOME"); data.is_absolute()) return data / "quillet";
  return userFolder() / ".local" / "share" / "quillet";
}

void prepareHome(const fs::path& folder) {
  const std::string homeText = absoluteText(folder);
  refuseControlCharacters(homeText);
  if (!isMissingOrEmpty(folder)) return;
  // The defaults are written to a folder beside the home and moved into place in one step, so
  // that a crash while filling never leaves a half-filled home that would count as ready.
  const fs::path target = folderToFill(homeText);
  fs::create_directories(target.parent_path());
  const fs::path staging = target.parent_path() / ("." + target.filename().string() + ".new-" +
                                                   std::to_string(::getpid()));
  fs::remove_all(staging);
  makePrivateFolders(staging);
  for (const EmbeddedFile& file : defaults::embeddedFiles()) {
    writeFile(staging / fs::path(file.path), replacePlaceholder(file.bytes, homeText));
  }
  const IniChange system[] = {{"SYSTEM", "InstallDir", homeText}, {"SYSTEM", "Path", homeText}};
  updateIniFile(whiteboardFileIn(staging), system);
  std::error_code error;
  fs::rename(staging, target, error);  // replaces an empty folder
  if (error) {
    fs::remove_all(staging);
    // Another process may have made the home meanwhile; that home is as good as ours.
    if (isMissingOrEmpty(target)) throw fs::filesystem_error("cannot make the home", target, error);
  }
}

}  // namespace desk
