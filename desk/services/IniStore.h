#pragma once
// INI files shared by the processes of the desk: the whiteboard and any other profile file.

#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "desk/services/IniDocument.h"

namespace desk {

// The file as it is now; a missing file reads as an empty document. Throws filesystem_error
// when the file exists but cannot be read.
std::shared_ptr<const IniDocument> readIniFile(const std::filesystem::path& file);

// Applies the changes (valid names only) in one read-modify-write under the file's lock, so
// that no change of another process is lost and readers see all of them or none. Throws
// filesystem_error when the file cannot be read or replaced; it is then left as it was.
void updateIniFile(const std::filesystem::path& file, std::span<const IniChange> changes);

}  // namespace desk
