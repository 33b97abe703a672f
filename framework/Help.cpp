#include "framework/Help.h"

#include <algorithm>
#include <cctype>

#include "framework/MainSettings.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanProfile.h"
#include "platform/shell/Shell.h"

namespace framework {
namespace {

void eraseAll(std::string& text, std::string_view part) {
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

std::string upperCase(std::string text) {
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::string helpSectionName(std::string_view className) {
  std::string name(className);
  for (std::string_view decoration : {"class TorvanMaskT<class ", "*", ">"})
    eraseAll(name, decoration);
  return std::string(trimmed(name));
}

std::string helpKey(std::string_view languageCode) {
  const std::string language = upperCase(std::string(languageCode));
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
