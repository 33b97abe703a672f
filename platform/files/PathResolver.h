#pragma once
// Paths as the masks form them, on a file system whose names are case-sensitive.

#include <filesystem>
#include <string_view>

namespace platform {

// The folder that every path the masks form must stay inside: the desk home, set by the desk.
// Until it is set (and after it is set to the empty path), paths are not confined.
void setPathRoot(const std::filesystem::path& folder);

// True when path, with the links of its existing part followed, lies inside the root (or no
// root is set).
bool isInsidePathRoot(const std::filesystem::path& path);

// The Linux path of a path as the masks form it. A backslash or a slash separates folders; a
// leading one makes the path absolute, otherwise it starts at the current folder. Each name
// finds an existing file or folder of that name in any letter case; a name that exists in no
// case is kept as given, so that a new file is created as it was spelled. A path that leads
// outside the root gives the empty path, which names no file: reading it finds nothing and
// writing it fails.
std::filesystem::path resolvePath(std::string_view maskPath);

// The entry of folder called name in any letter case: the exact name when it exists, otherwise
// the first (in byte order) of the names that differ from it only in letter case, otherwise
// folder / name as given.
std::filesystem::path findInFolder(const std::filesystem::path& folder, std::string_view name);

}  // namespace platform
