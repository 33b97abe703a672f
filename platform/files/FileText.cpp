#include "platform/files/FileText.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

namespace platform {

std::optional<std::string> readRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  try {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) return std::nullopt;
    return content;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace platform
