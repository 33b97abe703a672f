#pragma once
// Reading a whole file: the bytes as they are, from a regular file of a bounded size. A pipe,
// a device or a folder in the place of a file must neither hang the reader nor pass for data,
// and a file of any size must not exhaust memory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The largest file read whole.
inline constexpr std::uintmax_t kLargestReadFile = 16 * 1024 * 1024;

enum class FinalLink {
  kFollow,  // a symbolic link is read as the file it points to
  kRefuse,  // a symbolic link as the last name is refused: the file must be the path itself
};

// The whole content of the regular file at path; nothing when no file of that name exists.
// Throws std::filesystem::filesystem_error saying why when something else is there (a folder,
// a pipe, a device, a refused link), when it holds more than kLargestReadFile bytes or when
// it cannot be read. The type is checked on the opened file itself, which cannot be swapped
// for another between the check and the read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, FinalLink link);

// The whole content of a regular file as above, links followed; nothing for a missing file
// and for every case in which readWholeFile throws. Never throws.
std::optional<std::string> readRegularFile(const std::filesystem::path& path);

}  // namespace platform
