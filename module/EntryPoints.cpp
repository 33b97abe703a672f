// The module's entry points as an in-process component server. What a component module does
// when its process attaches and detaches it happens here when the library is loaded and
// unloaded: the module keeps its instance handle on load and frees its class factories on
// unload; its lock count and the lock of the factory cache need no setting up.

#include "framework/ModuleLock.h"
#include "framework/services/RegisterManager.h"
#include "module/ClassFactory.h"
#include "module/ObjectMap.h"
#include "module/Registration.h"
#include "platform/files/ModuleFile.h"

namespace {

[[gnu::constructor]] void attachModule() {
  module::setModuleInstance(
      platform::moduleInstanceOf(reinterpret_cast<const void*>(&attachModule)));
}

[[gnu::destructor]] void detachModule() {
  module::releaseClassFactories();
}

}  // namespace

extern "C" {

HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  const module::ObjectMapEntry* entry = module::findObjectMapEntry(clsid);
  if (entry == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return module::classFactoryOf(*entry).QueryInterface(iid, object);
}

HRESULT DllCanUnloadNow() {
  return framework::moduleLockCount() == 0 ? S_OK : S_FALSE;
}

HRESULT DllRegisterServer() {
  return RegisterSvr(module::moduleInstance(), module::moduleDescription());
}

HRESULT DllUnregisterServer() {
  return UnregisterSvr(module::moduleDescription());
}

}  // extern "C"
