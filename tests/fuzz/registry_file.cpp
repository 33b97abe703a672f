// The desk's registry file: any bytes read as a registry or fail with an error, and a registry
// read writes a text that reads back as the same registry.

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "desk/services/RegistryTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string written;
  try {
    written = desk::RegistryTree(text).text();
  } catch (const std::runtime_error&) {
    return 0;
  }
  try {
    if (desk::RegistryTree(written).text() != written) std::abort();
  } catch (const std::runtime_error&) {
    std::abort();  // the registry's own text must always read back
  }
  return 0;
}
