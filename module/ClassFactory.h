#pragma once
// The class factory of one class of the object map. Factories are made once, on the first
// request for their class, and kept until the module goes.

#include "module/ObjectMap.h"
#include "platform/com/ComObject.h"

namespace module {

class ClassFactory final : public platform::ComObject<IClassFactory> {
 public:
  // The cache holds one reference for the module's lifetime.
  explicit ClassFactory(const ObjectMapEntry& entry) : entry_(entry) { AddRef(); }

  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT LockServer(BOOL lock) override;

 private:
  // The cache keeps the factory, and frees it when the module is unloaded: a count that drops
  // to nothing leaves it there.
  void lastReleased() override {}

  const ObjectMapEntry& entry_;
};

// The cached factory of the entry's class, made on first use under the module lock.
ClassFactory& classFactoryOf(const ObjectMapEntry& entry);
// Frees every cached factory, when the module is unloaded.
void releaseClassFactories();

}  // namespace module
