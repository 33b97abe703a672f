#pragma once
// A container's sink for a mask's events: it takes each event through IDispatch::Invoke and
// hands its name and string arguments (in declared order, UTF-8) to the container.

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Interfaces.h"
#include "typelib/TypeLibrary.h"

namespace desk {

using EventHandler =
    std::function<void(std::string_view name, const std::vector<std::string>& arguments)>;

class EventSink final : public IDispatch {
 public:
  EventSink(const typelib::ClassDescription& description, EventHandler handler);

  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT nameCount, LCID locale,
                        DISPID* ids) override;
  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 private:
  ~EventSink() = default;

  const typelib::ClassDescription& description_;
  EventHandler handler_;
  std::atomic<ULONG> references_{0};
};

}  // namespace desk
