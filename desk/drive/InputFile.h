#pragma once
// Files a drive script names as input (`reply-file`, `home-copy`): regular files only, of at
// most kMaxInputFileSize bytes, so that a device, a pipe or a folder cannot hang or fool a run.

#include <cstddef>
#include <filesystem>
#include <string>

namespace desk {

inline constexpr std::size_t kMaxInputFileSize = 16 * 1024 * 1024;

// The whole content; throws ScriptError when the file is not a readable regular file of at
// most kMaxInputFileSize bytes.
std::string readInputFile(const std::filesystem::path& path);

}  // namespace desk
