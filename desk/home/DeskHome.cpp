#include "desk/home/DeskHome.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "desk/home/EmbeddedFiles.h"
#include "desk/services/IniStore.h"
#include "desk/services/WhiteboardStore.h"

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

void writeFile(const fs::path& file, std::string_view bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  stream.close();
  if (!stream) {
    throw fs::filesystem_error("cannot write default file", file,
                               std::error_code(errno ? errno : EIO, std::generic_category()));
  }
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
}

const fs::path& home() {
  std::optional<fs::path>& folder = chosenHome();
  if (!folder) folder = fs::absolute(userHome());
  return *folder;
}

fs::path userHome() {
  if (std::string folder = environment("QUILLET_HOME"); !folder.empty()) return folder;
  // The XDG rules ignore a relative data folder.
  if (fs::path data = environment("XDG_DATA_HOME"); data.is_absolute()) return data / "quillet";
  return userFolder() / ".local" / "share" / "quillet";
}

void prepareHome(const fs::path& folder) {
  if (!isMissingOrEmpty(folder)) return;
  // The defaults are written to a folder beside the home and moved into place in one step, so
  // that a crash while filling never leaves a half-filled home that would count as ready.
  const std::string homeText = absoluteText(folder);
  const fs::path target(homeText);
  fs::create_directories(target.parent_path());
  const fs::path staging = target.parent_path() / ("." + target.filename().string() + ".new-" +
                                                   std::to_string(::getpid()));
  fs::remove_all(staging);
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
