#include "desk/container/ModuleLoader.h"

#include <dlfcn.h>

#include <cstdlib>
#include <stdexcept>

namespace desk {
namespace {

template <class Function>
Function entryPoint(void* handle, const char* name) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) {
    throw std::runtime_error(std::string("the module has no entry point ") + name);
  }
  return reinterpret_cast<Function>(symbol);
}

}  // namespace

ModuleLoader::ModuleLoader(const std::filesystem::path& modulePath) : path_(modulePath) {
  handle_ = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    throw std::runtime_error("cannot load the module " + modulePath.string() + ": " +
                             (reason != nullptr ? reason : "unknown reason"));
  }
  getClassObject_ = entryPoint<DllGetClassObjectFunction>(handle_, "DllGetClassObject");
  canUnloadNow_ = entryPoint<DllCanUnloadNowFunction>(handle_, "DllCanUnloadNow");
  registerServer_ =
      reinterpret_cast<DllRegisterServerFunction>(dlsym(handle_, "DllRegisterServer"));
  unregisterServer_ =
      reinterpret_cast<DllUnregisterServerFunction>(dlsym(handle_, "DllUnregisterServer"));
}

// The module stays mapped until the process ends: its class factories and the objects a
// container may still hold live in it.
ModuleLoader::~ModuleLoader() = default;

std::filesystem::path ModuleLoader::defaultModulePath() {
  if (const char* configured = std::getenv("QUILLET_MODULE");
      configured != nullptr && *configured) {
    return configured;
  }
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "libquillet.so";
  return program.parent_path().parent_path() / "lib" / "libquillet.so";
}

}  // namespace desk
