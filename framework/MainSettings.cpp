#include "framework/MainSettings.h"

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"

namespace framework {

std::string mainSettingsFile() {
  constexpr const char* kFileName = "TorvanMain.ini";
  CTorvanProfile profile;
  profile.setIniFile(kWhiteboardFile);
  profile.setSectionName("SYSTEM");
  profile.setKeyName("Path");
  std::string path;
  profile.getValue(path, "", 1024);
  return path.empty() ? kFileName : path + "\\" + kFileName;
}

}  // namespace framework
