#include "framework/Help.h"

#include "framework/MainSettings.h"
#include "framework/services/CTorvanProfile.h"
#include "platform/shell/Shell.h"
#include "platform/text/TextRules.h"

namespace framework {
namespace {

void eraseAll(std::string& text, std::string_view part) {
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

}  // namespace

std::string helpSectionName(std::string_view className) {
  std::string name(className);
  for (std::string_view decoration : {"class TorvanMaskT<class ", "*", ">"})
    eraseAll(name, decoration);
  return std::string(platform::trimWhiteSpace(name));
}

std::string helpKey(std::string_view languageCode) {
  const std::string language = platform::upperAscii(languageCode);
  return "HELP_" + (language == "EN1" ? std::string("EN") : language) + "_URL";
}

void showHelp(std::string_view className, std::string_view languageCode) {
  CTorvanProfile profile;
  profile.setIniFile(mainSettingsFile());
  profile.setSectionName(helpSectionName(className));
  profile.setKeyName(helpKey(languageCode));
  std::string address;
  profile.getValue(address, "", 1024);
  platform::shellOpen(address);
}

}  // namespace framework
