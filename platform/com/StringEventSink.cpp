#include "platform/com/StringEventSink.h"

#include "platform/com/Bstr.h"

namespace platform {

HRESULT StringEventSink::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDispatch) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

HRESULT StringEventSink::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return S_OK;
}

HRESULT StringEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
  if (typeInfo != nullptr) *typeInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT StringEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                EXCEPINFO*, UINT*) {
  std::vector<std::string> arguments;
  const UINT count = params != nullptr && params->rgvarg != nullptr ? params->cArgs : 0;
  for (UINT index = count; index-- > 0;) {
    const VARIANT& argument = params->rgvarg[index];  // the last argument first
    arguments.push_back(argument.vt == VT_BSTR ? latin1FromBstr(argument.bstrVal) : "");
  }
  if (handler_) handler_(member, arguments);
  return S_OK;
}

}  // namespace platform
