#include "desk/services/Whiteboard.h"

#include <cerrno>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/IniStore.h"
#include "desk/services/LanguageScope.h"
#include "desk/services/ServiceFailure.h"
#include "desk/services/WhiteboardStore.h"
#include "framework/services/TorvanArch.h"
#include "platform/files/PathResolver.h"
#include "platform/text/TextRules.h"

namespace desk {

namespace fs = std::filesystem;

fs::path whiteboardFileIn(const fs::path& folder) {
  return platform::findInFolder(folder, kWhiteboardFileName);
}

bool isWhiteboardName(std::string_view name) {
  return platform::equalIgnoringCase(name, kWhiteboardName);
}

fs::path whiteboardFile() {
  return whiteboardFileIn(home());
}

std::vector<std::pair<std::string, std::string>> whiteboardSection(std::string_view section) {
  try {
    return readIniFile(whiteboardFile())->entries(section);
  } catch (const std::exception& failure) {
    reportFailure("TorvanArch", "whiteboardSection", failure);
    return {};
  }
}

std::vector<IniSection> whiteboardSections() {
  try {
    return readIniFile(whiteboardFile())->sections();
  } catch (const std::exception& failure) {
    reportFailure("TorvanArch", "whiteboardSections", failure);
    return {};
  }
}

std::optional<std::string> whiteboardOverride(std::string_view section, std::string_view key) {
  if (!platform::equalIgnoringCase(section, "User") || !platform::equalIgnoringCase(key, "LANG")) {
    return std::nullopt;
  }
  return scopedLanguage();
}

}  // namespace desk

namespace {

constexpr std::string_view kModule = "TorvanArch";

bool checkWhiteboardName(std::string_view operation, std::string_view whiteboardName) {
  if (desk::isWhiteboardName(whiteboardName)) return true;
  desk::reportFailure(kModule, operation, EINVAL,
                      "no whiteboard named \"" + std::string(whiteboardName) + "\"");
  return false;
}

}  // namespace

void WHITEBOARD_getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::string& value, std::size_t bufferSize,
                          std::string_view whiteboardName) {
  constexpr std::string_view kOperation = "WHITEBOARD_getString";
  value = platform::limitToBuffer(defaultValue, bufferSize);
  if (!checkWhiteboardName(kOperation, whiteboardName)) return;
  if (const auto answered = desk::whiteboardOverride(section, key)) {
    value = platform::limitToBuffer(*answered, bufferSize);
    return;
  }
  try {
    const auto document = desk::readIniFile(desk::whiteboardFile());
    if (const auto stored = document->find(section, key)) {
      value = platform::limitToBuffer(*stored, bufferSize);
    }
  } catch (const std::exception& failure) {
    desk::reportFailure(kModule, kOperation, failure);
  }
}

void WHITEBOARD_putString(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view whiteboardName) {
  constexpr std::string_view kOperation = "WHITEBOARD_putString";
  if (!checkWhiteboardName(kOperation, whiteboardName)) return;
  if (!desk::IniDocument::isValidSectionName(section) || !desk::IniDocument::isValidKeyName(key)) {
    desk::reportFailure(kModule, kOperation, EINVAL,
                        "cannot write key \"" + std::string(key) + "\" of section \"" +
                            std::string(section) + "\"");
    return;
  }
  try {
    const desk::IniChange change{std::string(section), std::string(key), std::string(value)};
    desk::updateIniFile(desk::whiteboardFile(), {&change, 1});
  } catch (const std::exception& failure) {
    desk::reportFailure(kModule, kOperation, failure);
  }
}
