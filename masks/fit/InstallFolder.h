#pragma once
// The desktop's install folder, the whiteboard's "SYSTEM"/"InstallDir": where the customer
// profile hand-over file and the market settings file lie. Only an absolute path (one that
// begins with a backslash or a slash) names a folder; an empty or relative value names none,
// and nothing is read from or written to it.

#include <optional>
#include <string>
#include <string_view>

namespace fit {

// The whiteboard value when it names a folder.
std::optional<std::string> installFolder();

// folder + relativePath (which begins with a backslash), with every doubled backslash reduced
// to one: "\\\\desk\\" + "\\temp\\x" reads "\\desk\\temp\\x".
std::string installFile(std::string_view folder, std::string_view relativePath);

// True when the value names a folder.
bool namesFolder(std::string_view value);

}  // namespace fit
