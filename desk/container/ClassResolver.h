#pragma once
// How a container finds the mask class it is asked for: by ProgID through the desk's registry
// when the module is registered there, as a desktop finds its controls, and otherwise in the
// type library of the module beside the program.

#include <filesystem>
#include <string_view>

#include "typelib/TypeLibrary.h"

namespace desk {

struct ResolvedClass {
  const typelib::ClassDescription* description;
  std::filesystem::path modulePath;  // the module that serves the class
  bool registered;                   // found through the registry
};

// name: a class name ("PNRCreationFax"), a version-independent ProgID ("Quillet.PNRCreationFax")
// or a versioned one ("Quillet.PNRCreationFax.1"). unregisteredModule: the module to load when
// the class is not registered. Throws std::runtime_error when the class is unknown, or when the
// registry cannot be read or holds an incomplete registration of it.
ResolvedClass resolveClass(std::string_view name, const std::filesystem::path& unregisteredModule);

}  // namespace desk
