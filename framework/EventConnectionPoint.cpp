#include "framework/EventConnectionPoint.h"

namespace framework {

EventConnectionPoint::EventConnectionPoint(IConnectionPointContainer& owner, const IID& eventIid)
    : owner_(owner), eventIid_(eventIid) {}

EventConnectionPoint::~EventConnectionPoint() = default;

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

void EventConnectionPoint::fire(DISPID event, const std::vector<std::string>& arguments) {
  sinks_.fire(event, arguments);
}

void EventConnectionPoint::disconnectAll() {
  sinks_.clear();
}

}  // namespace framework
