#pragma once
// The loaded modules of the process, as instance handles and file names.

#include <filesystem>

#include "platform/com/ComTypes.h"

namespace platform {

// The module (the program or a shared library) that holds address; null when none does.
HINSTANCE moduleInstanceOf(const void* address);

// The full path of a loaded module; empty when instance is none.
std::filesystem::path moduleFileName(HINSTANCE instance);

}  // namespace platform
