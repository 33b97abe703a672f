// Registry scripts with any replacement text: a script registers and unregisters or fails
// before it changes anything, and the registry it leaves writes a text that reads back.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "desk/services/RegistryScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string module = input.ConsumeRandomLengthString(512);
  const std::string script = input.ConsumeRemainingBytesAsString();
  const desk::RegistryReplacements replacements{{"MODULE", module}};

  desk::RegistryTree registry;
  for (bool registering : {true, false}) {
    const std::string before = registry.text();
    try {
      desk::runRegistryScript(registry, script, replacements, registering);
    } catch (const desk::RegistryScriptError&) {
      if (registry.text() != before) std::abort();  // a failed script changes nothing
      return 0;
    }
    const std::string written = registry.text();
    if (desk::RegistryTree(written).text() != written) std::abort();
  }
  return 0;
}
