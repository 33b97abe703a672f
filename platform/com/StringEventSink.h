#pragma once
// A listener on an outside control's events that hands each event's string arguments (Latin-1,
// in declared order; an argument that is not a string is empty) to a function. Its owner keeps
// it alive while it is connected: the references are only counted for form.

#include <functional>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"

namespace platform {

class StringEventSink final : public ComObject<IDispatch> {
 public:
  using Handler = std::function<void(DISPID event, const std::vector<std::string>& arguments)>;

  explicit StringEventSink(Handler handler) : handler_(std::move(handler)) {}

  HRESULT Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                 UINT*) override;

 private:
  void lastReleased() override {}

  Handler handler_;
};

}  // namespace platform
