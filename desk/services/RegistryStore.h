#pragma once
// The desk's registry store: one file in the desk home, shared by every process of the desk
// with the whiteboard's rules (a change is made under the file's lock, a reader sees the old or
// the new file, a crash leaves one of the two).

#include <filesystem>
#include <functional>
#include <string_view>

#include "desk/services/RegistryTree.h"

namespace desk {

inline constexpr std::string_view kRegistryFileName = "Registry.reg";

// The registry file of the current home (an existing file of that name in any letter case).
std::filesystem::path registryFile();

// The registry as it is now; empty when the file does not exist. Throws std::runtime_error
// when it cannot be read or is not registry text.
RegistryTree readRegistry();

// Runs change on the registry under the file's lock and writes the result when change returns
// true; nothing is written when it returns false or throws. Throws std::runtime_error when the
// file cannot be read, is not registry text, or cannot be written; it is then left as it was.
void updateRegistry(const std::function<bool(RegistryTree&)>& change);

}  // namespace desk
