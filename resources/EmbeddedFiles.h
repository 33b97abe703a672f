#pragma once
// Data files compiled into the module: its registry scripts and its bitmaps.

#include <span>
#include <string_view>

namespace resources {

struct EmbeddedFile {
  std::string_view path;  // relative to its folder
  std::string_view bytes;
};

namespace registry {
std::span<const EmbeddedFile> embeddedFiles();  // resources/registry
}
namespace bitmaps {
std::span<const EmbeddedFile> embeddedFiles();  // resources/bitmaps, named by resource id
}

}  // namespace resources
