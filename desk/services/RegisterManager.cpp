#include "framework/services/RegisterManager.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "desk/services/RegistryScript.h"
#include "desk/services/RegistryStore.h"
#include "desk/services/ServiceFailure.h"
#include "platform/files/ModuleFile.h"
#include "platform/text/TextRules.h"

namespace desk {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kModule = "RegisterManager";
constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT";
// The marshalers of automation interfaces: dual interfaces, and dispatch-only interfaces.
constexpr std::string_view kDualProxyStub = "{00020424-0000-0000-C000-000000000046}";
constexpr std::string_view kDispatchProxyStub = "{00020420-0000-0000-C000-000000000046}";

RegistryValue text(std::string_view value) {
  return {RegistryValue::Type::String, std::string(value)};
}

std::string versionOf(const TypeLibraryRegistration& library) {
  return std::to_string(library.majorVersion) + "." + std::to_string(library.minorVersion);
}

std::string localeOf(const TypeLibraryRegistration& library) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(library.locale));
  return hex;
}

void registerTypeLibrary(RegistryKey& classes, const TypeLibraryRegistration& library,
                         const fs::path& modulePath) {
  const std::string id = guidToString(library.id);
  RegistryKey& libraryKey = classes.createSubkey("TypeLib").createSubkey(id);
  libraryKey.removeSubkey(versionOf(library));
  RegistryKey& version = libraryKey.createSubkey(versionOf(library));
  version.setValue("", text(library.helpString));
  version.createSubkey(localeOf(library))
      .createSubkey("win32")
      .setValue("", text(modulePath.string()));
  version.createSubkey("FLAGS").setValue("", text("0"));
  version.createSubkey("HELPDIR").setValue("", text(modulePath.parent_path().string()));

  RegistryKey& interfaces = classes.createSubkey("Interface");
  for (const RegistrationInterface& described : library.interfaces) {
    const std::string iid = guidToString(described.iid);
    interfaces.removeSubkey(iid);
    RegistryKey& key = interfaces.createSubkey(iid);
    key.setValue("", text(described.name));
    const std::string_view proxyStub = described.dispatchOnly ? kDispatchProxyStub : kDualProxyStub;
    key.createSubkey("ProxyStubClsid").setValue("", text(proxyStub));
    key.createSubkey("ProxyStubClsid32").setValue("", text(proxyStub));
    RegistryKey& typeLib = key.createSubkey("TypeLib");
    typeLib.setValue("", text(id));
    typeLib.setValue("Version", text(versionOf(library)));
  }
}

void unregisterTypeLibrary(RegistryKey& classes, const TypeLibraryRegistration& library) {
  const std::string id = guidToString(library.id);
  if (RegistryKey* typeLibs = classes.subkey("TypeLib")) {
    if (RegistryKey* libraryKey = typeLibs->subkey(id)) {
      libraryKey->removeSubkey(versionOf(library));
      if (!libraryKey->hasSubkeys()) typeLibs->removeSubkey(id);
    }
  }
  RegistryKey* interfaces = classes.subkey("Interface");
  if (interfaces == nullptr) return;
  for (const RegistrationInterface& described : library.interfaces) {
    const std::string iid = guidToString(described.iid);
    // An interface that another library has registered since is left to that library.
    const std::optional<std::string> owner = interfaces->defaultText(iid + "\\TypeLib");
    if (owner && platform::equalIgnoringCase(*owner, id)) interfaces->removeSubkey(iid);
  }
}

// Runs the class scripts and the type library's part in one change of the registry, which is
// written only when every part succeeded.
HRESULT changeRegistry(std::string_view operation, const ModuleDescription& module,
                       bool registering, const fs::path& modulePath) {
  HRESULT outcome = S_OK;
  try {
    updateRegistry([&](RegistryTree& registry) {
      ScriptRegistrar registrar(registry);
      for (const RegistrationEntry& entry : module.objectMap) {
        outcome = entry.updateRegistry ? entry.updateRegistry(registrar, registering) : E_POINTER;
        if (FAILED(outcome)) {
          const std::string why =
              registrar.failure().empty() ? hresultToString(outcome) : registrar.failure();
          reportFailure(kModule, operation, EINVAL,
                        "class " + guidToString(entry.clsid) + ": " + why);
          return false;
        }
      }
      if (registering) {
        registerTypeLibrary(registry.root().createSubkey(kClassesRoot), module.typeLibrary,
                            modulePath);
      } else if (RegistryKey* classes = registry.root().subkey(kClassesRoot)) {
        unregisterTypeLibrary(*classes, module.typeLibrary);
      }
      return true;
    });
  } catch (const std::exception& failure) {
    reportFailure(kModule, operation, failure);
    return E_FAIL;
  }
  return outcome;
}

}  // namespace
}  // namespace desk

HRESULT RegisterSvr(HINSTANCE instance, ModuleDescription module) {
  const std::filesystem::path modulePath = platform::moduleFileName(instance);
  if (modulePath.empty()) {
    desk::reportFailure(desk::kModule, "RegisterSvr", EINVAL, "the module's file is not known");
    return E_INVALIDARG;
  }
  return desk::changeRegistry("RegisterSvr", module, true, modulePath);
}

HRESULT UnregisterSvr(ModuleDescription module) {
  return desk::changeRegistry("UnregisterSvr", module, false, {});
}
