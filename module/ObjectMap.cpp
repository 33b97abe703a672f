#include "module/ObjectMap.h"

#include <array>
#include <vector>

#include "masks/fit/CreateAddPax.h"
#include "masks/fit/PNRCreationFIT.h"
#include "masks/group/PNRCreationGIT.h"
#include "masks/lineitem/PNRAddEmail.h"
#include "masks/lineitem/PNRAddPhoneFax.h"
#include "masks/lineitem/PNRDeleteEmail.h"
#include "masks/lineitem/PNRModifyGrpName.h"
#include "masks/passenger/PNRModificationAddress.h"
#include "masks/passenger/PNRModificationDivide.h"
#include "masks/passenger/PNRModificationEmail.h"
#include "masks/passenger/PNRModificationPassenger.h"
#include "masks/passenger/PNRModificationPhone.h"
#include "masks/retrieval/PNRRetrieval.h"
#include "masks/simple/PNRCreationEmail.h"
#include "masks/simple/PNRCreationFax.h"
#include "masks/simple/PNRCreationPersonal.h"
#include "masks/simple/PNRCreationRemarks.h"
#include "masks/simple/PNRCreationSSR.h"
#include "masks/simple/PNRModificationFax.h"
#include "masks/simple/PNRModificationGIT.h"
#include "masks/simple/PNRModificationIncrease.h"
#include "masks/simple/PNRModificationPersonal.h"
#include "masks/simple/PNRModificationReceivedFrom.h"
#include "masks/simple/PNRModificationReduce.h"
#include "masks/simple/PNRModificationRemarks.h"
#include "masks/simple/PNRModificationTtl.h"
#include "module/Registration.h"

namespace module {
namespace {

template <class Mask>
const typelib::ClassDescription& descriptionOf() {
  return *typelib::findClass(Mask::kTraits.name);
}

template <class Mask>
HRESULT updateRegistryOf(CRegistrar& registrar, bool registering) {
  return updateRegistry(descriptionOf<Mask>(), registrar, registering);
}

template <class Mask>
ObjectMapEntry entryOf() {
  return ObjectMapEntry{descriptionOf<Mask>(), &framework::createMaskInstance<Mask>,
                        &updateRegistryOf<Mask>, Mask::kTraits.dialog};
}

}  // namespace

// One entry a mask class, in any order here; served in the type library's order of classes.
std::span<const ObjectMapEntry> objectMap() {
  static const std::vector<ObjectMapEntry> entries = [] {
    const std::array registered{
        entryOf<CPNRCreationFax>(),
        entryOf<CPNRDeleteEmail>(),
        entryOf<CPNRModificationDivide>(),
        entryOf<CPNRModificationFax>(),
        entryOf<CPNRModificationGIT>(),
        entryOf<CPNRModificationIncrease>(),
        entryOf<CPNRModificationReduce>(),
        entryOf<CPNRCreationEmail>(),
        entryOf<CPNRCreationPersonal>(),
        entryOf<CPNRCreationRemarks>(),
        entryOf<CPNRCreationSSR>(),
        entryOf<CPNRModificationPersonal>(),
        entryOf<CPNRModificationReceivedFrom>(),
        entryOf<CPNRModificationRemarks>(),
        entryOf<CPNRModificationTtl>(),
        entryOf<CPNRRetrieval>(),
        entryOf<CPNRModifyGrpName>(),
        entryOf<CPNRAddPhoneFax>(),
        entryOf<CPNRModificationPassenger>(),
        entryOf<CPNRAddEmail>(),
        entryOf<CPNRCreationFIT>(),
        entryOf<CPNRModificationEmail>(),
        entryOf<CPNRModificationPhone>(),
        entryOf<CPNRModificationAddress>(),
        entryOf<CCreateAddPax>(),
        entryOf<CPNRCreationGIT>(),
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
