#pragma once
// The desktop's registration manager: it writes the registration of a component module (its
// classes and its type library) into the desk's registry, and removes it again.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/ComTypes.h"

// Runs registry scripts against the registry, for the module being registered. "%NAME%" in a
// script stands for the text last given to AddReplacement for NAME; "%%" for a percent sign.
class CRegistrar {
 public:
  virtual HRESULT AddReplacement(std::string_view name, std::string_view value) = 0;
  // Makes the keys and values of the script.
  virtual HRESULT ResourceRegister(std::string_view script) = 0;
  // Removes what the script made.
  virtual HRESULT ResourceUnregister(std::string_view script) = 0;

 protected:
  ~CRegistrar() = default;
};

// One class of the module's object map.
struct RegistrationEntry {
  CLSID clsid;
  // Runs the class's registry script through the registrar: to register it, or to remove it.
  std::function<HRESULT(CRegistrar& registrar, bool registering)> updateRegistry;
};

struct RegistrationInterface {
  IID iid;
  std::string name;
  bool dispatchOnly;  // an event interface; otherwise a dual interface
};

// The module's type library, registered with the module.
struct TypeLibraryRegistration {
  GUID id;
  std::string name;
  std::string helpString;
  WORD majorVersion;
  WORD minorVersion;
  LCID locale;
  std::vector<RegistrationInterface> interfaces;
};

// What a module tells the registration manager about itself.
struct ModuleDescription {
  TypeLibraryRegistration typeLibrary;
  std::vector<RegistrationEntry> objectMap;
};

// Registers every class of the object map from its script and the type library, all together
// or, when one part fails, nothing. instance is the module; the scripts name its file.
HRESULT RegisterSvr(HINSTANCE instance, ModuleDescription module);
// Removes the classes and the type library again; S_OK also when they were not registered.
HRESULT UnregisterSvr(ModuleDescription module);
