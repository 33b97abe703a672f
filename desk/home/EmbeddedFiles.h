#pragma once
// Files compiled into the desk: the default home.

#include <span>
#include <string_view>

namespace desk {

struct EmbeddedFile {
  std::string_view path;  // relative to the home, '/' between folders
  std::string_view bytes;
};

namespace defaults {
std::span<const EmbeddedFile> embeddedFiles();
}

}  // namespace desk
