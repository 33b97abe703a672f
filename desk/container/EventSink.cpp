#include "desk/container/EventSink.h"

#include <utility>

#include "desk/container/TextEncoding.h"

namespace desk {

EventSink::EventSink(const typelib::ClassDescription& description, EventHandler handler)
    : description_(description), handler_(std::move(handler)) {}

HRESULT EventSink::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == description_.eventIid) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG EventSink::AddRef() {
  return ++references_;
}

ULONG EventSink::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
  if (typeInfo != nullptr) *typeInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT EventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                          EXCEPINFO*, UINT*) {
  const typelib::EventMember* event = typelib::findEvent(description_, member);
  const std::string name =
      event != nullptr ? std::string(event->name) : "dispid " + std::to_string(member);
  std::vector<std::string> arguments;
  if (params != nullptr) {
    // The mask passes the last argument first.
    for (UINT index = params->cArgs; index > 0; --index) {
      const VARIANT& argument = params->rgvarg[index - 1];
      arguments.push_back(argument.vt == VT_BSTR
                              ? utf8FromUtf16(argument.bstrVal, SysStringLen(argument.bstrVal))
                              : std::string());
    }
  }
  if (handler_) handler_(name, arguments);
  return S_OK;
}

}  // namespace desk
