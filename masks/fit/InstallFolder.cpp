#include "masks/fit/InstallFolder.h"

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"

namespace fit {

bool namesFolder(std::string_view value) {
  return !value.empty() && (value.front() == '\\' || value.front() == '/');
}

std::optional<std::string> installFolder() {
  CTorvanProfile profile;
  profile.setIniFile(framework::kWhiteboardFile);
  profile.setSectionName("SYSTEM");
  profile.setKeyName("InstallDir");
  std::string folder;
  profile.getValue(folder, "", 1024);
  if (!namesFolder(folder)) return std::nullopt;
  return folder;
}

std::string installFile(std::string_view folder, std::string_view relativePath) {
  const std::string joined = std::string(folder) + std::string(relativePath);
  std::string path;
  path.reserve(joined.size());
  for (std::size_t i = 0; i < joined.size(); ++i) {
    path += joined[i];
    if (joined[i] == '\\' && i + 1 < joined.size() && joined[i + 1] == '\\') ++i;
  }
  return path;
}

}  // namespace fit
