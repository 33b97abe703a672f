#include "framework/EventConnectionPoint.h"

#include <algorithm>

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
  if (sink == nullptr || cookie == nullptr) return E_POINTER;
  *cookie = 0;
  ComPtr<IDispatch> dispatch;
  if (FAILED(sink->QueryInterface(eventIid_, dispatch.outVoid())) &&
      FAILED(sink->QueryInterface(IID_IDispatch, dispatch.outVoid()))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = nextCookie_++;
  connections_.push_back({*cookie, std::move(dispatch)});
  return S_OK;
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie) {
  const auto found = std::ranges::find(connections_, cookie, &Connection::cookie);
  if (found == connections_.end()) return CONNECT_E_NOCONNECTION;
  connections_.erase(found);
  return S_OK;
}

HRESULT EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

void EventConnectionPoint::fire(DISPID event, const std::vector<std::string>& arguments) {
  // A sink may unadvise while the event runs; each sink of the snapshot is called once.
  const std::vector<Connection> snapshot = connections_;
  for (const Connection& connection : snapshot) {
    if (!connection.sink) continue;
    std::vector<VARIANT> variants(arguments.size());
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      VARIANT& variant = variants[arguments.size() - 1 - i];  // the last argument first
      variant.vt = VT_BSTR;
      variant.bstrVal = bstrFromLatin1(arguments[i]);
    }
    DISPPARAMS params{variants.empty() ? nullptr : variants.data(), nullptr,
                      static_cast<UINT>(variants.size()), 0};
    connection.sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                            nullptr, nullptr);
    for (VARIANT& variant : variants) VariantClear(&variant);
  }
}

void EventConnectionPoint::disconnectAll() {
  connections_.clear();
}

}  // namespace framework
