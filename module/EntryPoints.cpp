// The module's entry points as an in-process component server.

#include "framework/ModuleLock.h"
#include "module/ClassFactory.h"
#include "module/ObjectMap.h"

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

}  // extern "C"
