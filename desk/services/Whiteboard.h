#pragma once
// The desk's whiteboard file, "VLwhiteboard.ini" in the desk home, as containers see it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desk/services/IniDocument.h"

namespace desk {

// The whiteboard file of the current home (an existing file of that name in any letter case).
std::filesystem::path whiteboardFile();

// Every key of a section with its value, in file order; empty when there is no such section.
std::vector<std::pair<std::string, std::string>> whiteboardSection(std::string_view section);

// Every section with its keys and values, from one read of the file; empty when it cannot be
// read (the failure goes to the log).
std::vector<IniSection> whiteboardSections();

// What a read of the whiteboard answers in place of the file's value: for User/LANG, the
// language of the current language scope when it has one (see LanguageScope).
std::optional<std::string> whiteboardOverride(std::string_view section, std::string_view key);

}  // namespace desk
