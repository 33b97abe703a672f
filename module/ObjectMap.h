#pragma once
// The module's object map: the classes it serves, in the order of class-factory lookup and of
// registration, each with the way to make an instance.

#include <span>

#include "framework/services/RegisterManager.h"
#include "platform/com/Interfaces.h"
#include "platform/window/DialogTemplate.h"
#include "typelib/TypeLibrary.h"

namespace module {

using CreateInstanceFunction = HRESULT (*)(REFIID iid, void** object);
// Runs the class's registry script: to register the class, or to remove it.
using UpdateRegistryFunction = HRESULT (*)(CRegistrar& registrar, bool registering);

struct ObjectMapEntry {
  const typelib::ClassDescription& description;
  CreateInstanceFunction createInstance;
  UpdateRegistryFunction updateRegistry;
  const platform::DialogTemplate& dialog;  // the mask's dialog template
};

std::span<const ObjectMapEntry> objectMap();
const ObjectMapEntry* findObjectMapEntry(REFCLSID clsid);

}  // namespace module
