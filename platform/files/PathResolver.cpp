#include "platform/files/PathResolver.h"

#include <optional>
#include <string>
#include <system_error>

#include "platform/text/TextRules.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

bool pathExists(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

std::optional<std::string> findNameIgnoringCase(const fs::path& folder, std::string_view name) {
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
  if (error) return std::nullopt;
  std::optional<std::string> best;
  for (const fs::directory_entry& entry : entries) {
    std::string candidate = entry.path().filename().string();
    if (!equalIgnoringCase(candidate, name)) continue;
    // Directory order is arbitrary; the smallest name keeps the choice the same on every run.
    if (!best || candidate < *best) best = std::move(candidate);
  }
  return best;
}

std::optional<fs::path>& pathRoot() {
  static std::optional<fs::path> root;
  return root;
}

fs::path followed(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? fs::absolute(path).lexically_normal() : result;
}

}  // namespace

void setPathRoot(const fs::path& folder) {
  pathRoot() = folder.empty() ? std::nullopt : std::optional<fs::path>(followed(folder));
}

bool isInsidePathRoot(const fs::path& path) {
  const std::optional<fs::path>& root = pathRoot();
  if (!root) return true;
  const fs::path full = followed(path);
  auto inside = full.begin();
  for (const fs::path& part : *root) {
    if (part.empty()) continue;  // the trailing separator of a folder
    if (inside == full.end() || *inside != part) return false;
    ++inside;
  }
  return true;
}

fs::path findInFolder(const fs::path& folder, std::string_view name) {
  fs::path exact = folder / fs::path(name);
  if (name == "." || name == ".." || pathExists(exact)) return exact;
  if (std::optional<std::string> found = findNameIgnoringCase(folder, name)) return folder / *found;
  return exact;
}

fs::path resolvePath(std::string_view maskPath) {
  fs::path result;
  if (!maskPath.empty() && (maskPath.front() == '\\' || maskPath.front() == '/')) result = "/";
  bool parentExists = true;
  while (!maskPath.empty()) {
    const std::size_t end = maskPath.find_first_of("\\/");
    const std::string_view name = maskPath.substr(0, end);
    maskPath.remove_prefix(end == std::string_view::npos ? maskPath.size() : end + 1);
    if (name.empty()) continue;  // doubled or trailing separators
    // Below a name that exists in no case, nothing can exist, so the rest is kept as given.
    result = parentExists ? findInFolder(result, name) : result / fs::path(name);
    parentExists = parentExists && pathExists(result);
  }
  return isInsidePathRoot(result) ? result : fs::path();
}

}  // namespace platform
