#include "module/ObjectMap.h"

#include <array>

#include "masks/simple/PNRCreationFax.h"
#include "masks/simple/PNRModificationFax.h"
#include "masks/simple/PNRModificationGIT.h"
#include "masks/simple/PNRModificationIncrease.h"
#include "masks/simple/PNRModificationReduce.h"

namespace module {
namespace {

template <class Mask>
ObjectMapEntry entryOf() {
  return ObjectMapEntry{*typelib::findClass(Mask::kTraits.name),
                        &framework::createMaskInstance<Mask>};
}

}  // namespace

// In the type library's order of classes.
std::span<const ObjectMapEntry> objectMap() {
  static const std::array entries{
      entryOf<CPNRCreationFax>(),        entryOf<CPNRModificationGIT>(),
      entryOf<CPNRModificationFax>(),    entryOf<CPNRModificationIncrease>(),
      entryOf<CPNRModificationReduce>(),
  };
  return entries;
}

const ObjectMapEntry* findObjectMapEntry(REFCLSID clsid) {
  for (const ObjectMapEntry& entry : objectMap()) {
    if (entry.description.clsid == clsid) return &entry;
  }
  return nullptr;
}

}  // namespace module
