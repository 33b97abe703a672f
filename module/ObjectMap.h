#pragma once
// The module's object map: the classes it serves, in the order of class-factory lookup and of
// registration, each with the way to make an instance.

#include <span>

#include "platform/com/Interfaces.h"
#include "typelib/TypeLibrary.h"

namespace module {

using CreateInstanceFunction = HRESULT (*)(REFIID iid, void** object);

struct ObjectMapEntry {
  const typelib::ClassDescription& description;
  CreateInstanceFunction createInstance;
};

std::span<const ObjectMapEntry> objectMap();
const ObjectMapEntry* findObjectMapEntry(REFCLSID clsid);

}  // namespace module
