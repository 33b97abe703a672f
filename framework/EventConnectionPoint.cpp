#include "framework/EventConnectionPoint.h"

namespace framework {

EventConnectionPoint::EventConnectionPoint(IConnectionPointContainer& owner, const IID& eventIid)
    : owner_(owner), eventIid_(eventIid) {}

EventConnectionPoint::~EventConnectionPoint() = default;

HRESULT EventConnectionPoint::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG EventConnectionPoint::AddRef() {
  return owner_.AddRef();
}
ULONG EventConnectionPoint::Release() {
  return owner_.Release();
}

HRESULT EventConnectionPoint::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = eventIid_;
  return S_OK;
}

HRESULT EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (container == nullptr) return E_POINTER;
  *container = &owner_;
  owner_.AddRef();
  return S_OK;
}

HRESULT EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  return sinks_.advise(sink, eventIid_, cookie);
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie) {
  return sinks_.unadvise(cookie);
}

HRESULT EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

void EventConnectionPoint::fire(DISPID event, const std::vector<std::string>& arguments) {
  sinks_.fire(event, arguments);
}

void EventConnectionPoint::disconnectAll() {
  sinks_.clear();
}

}  // namespace framework
