#pragma once
// Loads the mask module at run time and finds its entry points, as every container does.

#include <filesystem>
#include <string>

#include "platform/com/ServerEntryPoints.h"

namespace desk {

class ModuleLoader {
 public:
  // Throws std::runtime_error when the module or an entry point cannot be found.
  explicit ModuleLoader(const std::filesystem::path& modulePath);
  ~ModuleLoader();
  ModuleLoader(const ModuleLoader&) = delete;
  ModuleLoader& operator=(const ModuleLoader&) = delete;

  // The module's file, as it was given.
  const std::filesystem::path& path() const { return path_; }
  DllGetClassObjectFunction getClassObject() const { return getClassObject_; }
  DllCanUnloadNowFunction canUnloadNow() const { return canUnloadNow_; }
  // Null when the module cannot register itself.
  DllRegisterServerFunction registerServer() const { return registerServer_; }
  DllUnregisterServerFunction unregisterServer() const { return unregisterServer_; }

  // The module beside this program: $QUILLET_MODULE when set, else ../lib/libquillet.so.
  static std::filesystem::path defaultModulePath();

 private:
  std::filesystem::path path_;
  void* handle_ = nullptr;
  DllGetClassObjectFunction getClassObject_ = nullptr;
  DllCanUnloadNowFunction canUnloadNow_ = nullptr;
  DllRegisterServerFunction registerServer_ = nullptr;
  DllUnregisterServerFunction unregisterServer_ = nullptr;
};

}  // namespace desk
