#pragma once
// Reading a whole file as the masks do: the bytes as they are, or nothing.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The whole content of a regular file; nothing for a missing file, a folder or a file that
// cannot be read. Never throws.
std::optional<std::string> readRegularFile(const std::filesystem::path& path);

}  // namespace platform
