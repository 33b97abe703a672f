#pragma once
// A container's sink for a mask's events: it takes each event through IDispatch::Invoke and
// hands its name and string arguments (in declared order, UTF-8) to the container.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/ComObject.h"
#include "typelib/TypeLibrary.h"

namespace desk {

using EventHandler =
    std::function<void(std::string_view name, const std::vector<std::string>& arguments)>;

class EventSink final : public platform::ComObject<IDispatch> {
 public:
  EventSink(const typelib::ClassDescription& description, EventHandler handler);

  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 private:
  ~EventSink() override = default;
  // The mask's event interface, through which it connects the sink.
  void* otherInterface(REFIID iid) override;

  const typelib::ClassDescription& description_;
  EventHandler handler_;
};

}  // namespace desk
