#pragma once
// The module's registration: its instance handle, the registration operation of each class
// (its registry script, run with "%MODULE%" standing for the module's file) and the
// description that the module hands the desktop's registration manager.

#include "framework/services/RegisterManager.h"
#include "typelib/TypeLibrary.h"

namespace module {

// Kept when the module is loaded.
void setModuleInstance(HINSTANCE instance);
HINSTANCE moduleInstance();

// Runs the registry script of the class through the registrar.
HRESULT updateRegistry(const typelib::ClassDescription& description, CRegistrar& registrar,
                       bool registering);

// The object map and the type library, as the registration manager needs them.
ModuleDescription moduleDescription();

}  // namespace module
