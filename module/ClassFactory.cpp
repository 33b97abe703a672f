#include "module/ClassFactory.h"

#include <map>
#include <memory>
#include <mutex>

#include "framework/ModuleLock.h"

namespace module {

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

namespace {

// Made once and kept until the module is unloaded, when the cache is freed. The cache is freed
// by the unload itself, not by the end of static storage, whose order it cannot rely on.
using FactoryCache = std::map<const ObjectMapEntry*, std::unique_ptr<ClassFactory>>;
FactoryCache* cache = nullptr;

}  // namespace

ClassFactory& classFactoryOf(const ObjectMapEntry& entry) {
  std::lock_guard<std::mutex> guard(framework::moduleMutex());
  if (cache == nullptr) cache = new FactoryCache();
  auto& factory = (*cache)[&entry];
  if (!factory) factory = std::make_unique<ClassFactory>(entry);
  return *factory;
}

void releaseClassFactories() {
  std::lock_guard<std::mutex> guard(framework::moduleMutex());
  delete cache;
  cache = nullptr;
}

}  // namespace module
