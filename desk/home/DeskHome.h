#pragma once
// The desk home: the folder that holds the whiteboard, the language tables, the main settings
// file and the market settings; a new home is also the install folder.

#include <filesystem>

namespace desk {

// The home every framework service uses from now on. Containers set it before they create
// a mask.
void setHome(const std::filesystem::path& folder);
const std::filesystem::path& home();

// The user's own desk home: $QUILLET_HOME when set, else $XDG_DATA_HOME/quillet, else
// ~/.local/share/quillet.
std::filesystem::path userHome();

// Makes folder ready as a home: a folder that does not exist or is empty is created and
// filled with the embedded defaults, and its whiteboard's "SYSTEM"/"InstallDir" and
// "SYSTEM"/"Path" name the folder itself. A folder with content is left as it is; a link to
// an empty folder fills the folder. Throws std::invalid_argument when the folder's path holds
// a control character (a line break, a tab, ...), and std::filesystem::filesystem_error when
// the folder cannot be made or written.
void prepareHome(const std::filesystem::path& folder);

}  // namespace desk
