#include "desk/container/ClassResolver.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "desk/services/RegistryStore.h"

namespace desk {

ResolvedClass resolveClass(std::string_view name, const std::filesystem::path& unregisteredModule) {
  const typelib::ClassDescription* known = typelib::findClass(name);
  // A class name is asked for by its version-independent ProgID.
  const std::string progId =
      known != nullptr && name == known->name ? typelib::progId(*known) : std::string(name);

  const RegistryTree registry = readRegistry();
  const RegistryKey* classes = registry.root().subkey("HKEY_CLASSES_ROOT");
  const RegistryKey* progIdKey =
      classes != nullptr && RegistryKey::isValidName(progId) ? classes->subkey(progId) : nullptr;
  if (progIdKey == nullptr) {
    if (known == nullptr) {
      throw std::runtime_error("unknown mask class \"" + std::string(name) + "\"");
    }
    return {known, unregisteredModule, false};
  }

  const auto incomplete = [&](std::string_view what) {
    return std::runtime_error("the registration of " + progId + " in " + registryFile().string() +
                              " is incomplete: " + std::string(what));
  };
  const std::optional<std::string> clsidText = progIdKey->defaultText("CLSID");
  const std::optional<GUID> clsid = clsidText ? guidFromString(*clsidText) : std::nullopt;
  if (!clsid) throw incomplete("no class identifier");
  const std::optional<std::string> modulePath =
      classes->defaultText("CLSID\\" + *clsidText + "\\InprocServer32");
  if (!modulePath || modulePath->empty()) throw incomplete("no module");
  const typelib::ClassDescription* registered = typelib::findClass(*clsid);
  if (registered == nullptr) {
    throw std::runtime_error(progId + " is registered with class " + *clsidText +
                             ", which the type library does not describe");
  }
  return {registered, *modulePath, true};
}

}  // namespace desk
