#include "module/ClassFactory.h"

#include <map>
#include <memory>
#include <mutex>

#include "framework/ModuleLock.h"

namespace module {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IClassFactory) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  return ++references_;
}

// The cache keeps the factory alive: the count never drops below its own reference.
ULONG ClassFactory::Release() {
  const ULONG remaining = --references_;
  return remaining;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return entry_.createInstance(iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock != 0) {
    framework::lockModule();
  } else {
    framework::unlockModule();
  }
  return S_OK;
}

ClassFactory& classFactoryOf(const ObjectMapEntry& entry) {
  // Made once and kept until the module is unloaded, when the cache is freed.
  static std::map<const ObjectMapEntry*, std::unique_ptr<ClassFactory>> cache;
  std::lock_guard<std::mutex> guard(framework::moduleMutex());
  auto& factory = cache[&entry];
  if (!factory) factory = std::make_unique<ClassFactory>(entry);
  return *factory;
}

}  // namespace module
