#include "platform/com/EventSinks.h"

#include <algorithm>

namespace platform {

HRESULT EventSinks::advise(IUnknown* sink, const IID& eventIid, DWORD* cookie) {
  if (sink == nullptr || cookie == nullptr) return E_POINTER;
  *cookie = 0;
  ComPtr<IDispatch> dispatch;
  if (FAILED(sink->QueryInterface(eventIid, dispatch.outVoid())) &&
      (eventIid == IID_IDispatch ||
       FAILED(sink->QueryInterface(IID_IDispatch, dispatch.outVoid())))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = nextCookie_++;
  connections_.push_back({*cookie, std::move(dispatch)});
  return S_OK;
}

HRESULT EventSinks::unadvise(DWORD cookie) {
  const auto found = std::ranges::find(connections_, cookie, &Connection::cookie);
  if (found == connections_.end()) return CONNECT_E_NOCONNECTION;
  connections_.erase(found);
  return S_OK;
}

void EventSinks::fire(DISPID event, const std::vector<std::string>& arguments) const {
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

}  // namespace platform
