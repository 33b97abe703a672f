#include "platform/files/ModuleFile.h"

#include <dlfcn.h>

namespace platform {

HINSTANCE moduleInstanceOf(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0) return nullptr;
  return info.dli_fbase;
}

std::filesystem::path moduleFileName(HINSTANCE instance) {
  Dl_info info{};
  if (instance == nullptr || ::dladdr(instance, &info) == 0 || info.dli_fbase != instance) {
    return {};
  }
  // The name the module was loaded by. The program itself may have no name here, or the bare
  // name it was started by; the system's link names its file then.
  std::filesystem::path file = info.dli_fname != nullptr ? info.dli_fname : "";
  if (file.empty() || (file.is_relative() && file.filename() == file)) file = "/proc/self/exe";
  std::error_code error;
  std::filesystem::path full = std::filesystem::canonical(file, error);
  if (error) return std::filesystem::absolute(file, error);
  return full;
}

}  // namespace platform
