#pragma once
// A listener on an outside control's events that hands each event's string arguments (Latin-1,
// in declared order; an argument that is not a string is empty) to a function. Its owner keeps
// it alive while it is connected: the references are only counted for form.

#include <functional>
#include <string>
#include <vector>

#include "platform/com/Interfaces.h"

namespace platform {

class StringEventSink final : public IDispatch {
 public:
  using Handler = std::function<void(DISPID event, const std::vector<std::string>& arguments)>;

  explicit StringEventSink(Handler handler) : handler_(std::move(handler)) {}

  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override { return --references_; }
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override;
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                 UINT*) override;

 private:
  Handler handler_;
  ULONG references_ = 0;
};

}  // namespace platform
