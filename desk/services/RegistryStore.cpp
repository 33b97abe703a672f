#include "desk/services/RegistryStore.h"

#include <optional>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "platform/files/PathResolver.h"

namespace desk {

namespace fs = std::filesystem;

fs::path registryFile() {
  return platform::findInFolder(home(), kRegistryFileName);
}

RegistryTree readRegistry() {
  const std::optional<std::string> text = readFileIfExists(registryFile());
  return text ? RegistryTree(*text) : RegistryTree();
}

void updateRegistry(const std::function<bool(RegistryTree&)>& change) {
  const fs::path file = registryFile();
  const FileLock lock = FileLock::acquire(lockFileFor(file));
  const std::optional<std::string> before = readFileIfExists(file);
  RegistryTree registry = before ? RegistryTree(*before) : RegistryTree();
  if (!change(registry)) return;
  if (!before && !registry.root().hasSubkeys()) return;  // nothing was, nothing is
  const std::string after = registry.text();
  if (before && *before == after) return;
  replaceFile(file, after);
}

}  // namespace desk
