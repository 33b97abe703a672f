#include "module/Registration.h"

#include <optional>

#include "module/ObjectMap.h"
#include "platform/files/ModuleFile.h"
#include "resources/ModuleResources.h"

namespace module {
namespace {

// The code returned when the module lacks the resource a class names.
constexpr HRESULT kResourceNotFound = hresultFromCode(0x80070716);

HINSTANCE instance = nullptr;

}  // namespace

void setModuleInstance(HINSTANCE loaded) {
  instance = loaded;
}

HINSTANCE moduleInstance() {
  // Outside the built module (in its tests) the module is the program that holds this code.
  if (instance == nullptr) {
    instance = platform::moduleInstanceOf(reinterpret_cast<const void*>(&moduleInstance));
  }
  return instance;
}

HRESULT updateRegistry(const typelib::ClassDescription& description, CRegistrar& registrar,
                       bool registering) {
  const std::optional<std::string_view> script =
      resources::findRegistryScript(description.registryScriptId);
  if (!script) return kResourceNotFound;
  const std::string modulePath = platform::moduleFileName(moduleInstance()).string();
  if (modulePath.empty()) return E_UNEXPECTED;
  const HRESULT added = registrar.AddReplacement("MODULE", modulePath);
  if (FAILED(added)) return added;
  return registering ? registrar.ResourceRegister(*script) : registrar.ResourceUnregister(*script);
}

ModuleDescription moduleDescription() {
  ModuleDescription module;
  TypeLibraryRegistration& library = module.typeLibrary;
  library.id = typelib::kLibraryId;
  library.name = typelib::kLibraryName;
  library.helpString = typelib::kLibraryHelp;
  library.majorVersion = typelib::kLibraryMajorVersion;
  library.minorVersion = typelib::kLibraryMinorVersion;
  library.locale = typelib::kLibraryLocale;
  for (const typelib::ClassDescription& described : typelib::classes()) {
    library.interfaces.push_back({described.iid, typelib::interfaceName(described), false});
    library.interfaces.push_back(
        {described.eventIid, typelib::eventInterfaceName(described), true});
  }
  for (const ObjectMapEntry& entry : objectMap()) {
    module.objectMap.push_back({entry.description.clsid, entry.updateRegistry});
  }
  return module;
}

}  // namespace module
