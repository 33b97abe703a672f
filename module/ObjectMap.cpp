#include "module/ObjectMap.h"

#include <array>
#include <vector>

#include "masks/lineitem/PNRAddEmail.h"
#include "masks/lineitem/PNRAddPhoneFax.h"
#include "masks/lineitem/PNRDeleteEmail.h"
#include "masks/lineitem/PNRModifyGrpName.h"
#include "masks/passenger/PNRModificationDivide.h"
#include "masks/passenger/PNRModificationPassenger.h"
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

// One entry a mask class, in any order here; served in the type library's order of classes.
std::span<const ObjectMapEntry> objectMap() {
  static const std::vector<ObjectMapEntry> entries = [] {
    const std::array registered{
        entryOf<CPNRCreationFax>(),        entryOf<CPNRDeleteEmail>(),
        entryOf<CPNRModificationDivide>(),
        entryOf<CPNRModificationFax>(),
        entryOf<CPNRModificationGIT>(),    entryOf<CPNRModificationIncrease>(),
        entryOf<CPNRModificationReduce>(),
        entryOf<CPNRModifyGrpName>(),
        entryOf<CPNRAddPhoneFax>(),
        entryOf<CPNRModificationPassenger>(),
        entryOf<CPNRAddEmail>(),
    };
    std::vector<ObjectMapEntry> ordered;
    for (const typelib::ClassDescription& description : typelib::classes()) {
      for (const ObjectMapEntry& entry : registered) {
        if (&entry.description == &description) ordered.push_back(entry);
      }
    }
    return ordered;
  }();
  return entries;
}

const ObjectMapEntry* findObjectMapEntry(REFCLSID clsid) {
  for (const ObjectMapEntry& entry : objectMap()) {
    if (entry.description.clsid == clsid) return &entry;
  }
  return nullptr;
}

}  // namespace module
