#pragma once
// The class factory of one class of the object map. Factories are made once, on the first
// request for their class, and kept until the module goes.

#include <atomic>

#include "module/ObjectMap.h"

namespace module {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ObjectMapEntry& entry) : entry_(entry) {}

  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT LockServer(BOOL lock) override;

 private:
  const ObjectMapEntry& entry_;
  // The cache holds one reference for the module's lifetime.
  std::atomic<ULONG> references_{1};
};

// The cached factory of the entry's class, made on first use under the module lock.
ClassFactory& classFactoryOf(const ObjectMapEntry& entry);
// Frees every cached factory, when the module is unloaded.
void releaseClassFactories();

}  // namespace module
