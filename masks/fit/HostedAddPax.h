#pragma once
// The desktop's add-passenger control as a mask hosts it in a dialog of its own: made from the
// class its host window names, kept in that window, and listened to. The operations are those
// the masks rely on (platform/com/AddPassengerContract.h); everything else about the control
// is its own.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/AddPassengerContract.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"
#include "platform/com/StringEventSink.h"
#include "platform/window/Window.h"

namespace fit {

using AddPaxEvent = platform::add_passenger::Event;

class HostedAddPax {
 public:
  using EventHandler = std::function<void(DISPID event, const std::vector<std::string>& args)>;

  HostedAddPax();
  ~HostedAddPax();
  HostedAddPax(const HostedAddPax&) = delete;
  HostedAddPax& operator=(const HostedAddPax&) = delete;

  // Makes the control of the host window's class and listens to it; a control that is there
  // already is let go first. False when the class gives no control.
  bool Attach(platform::Window& host, EventHandler handler);
  // Stops listening and lets the control go.
  void Detach();
  bool IsAttached() const { return static_cast<bool>(control_); }

  void SetInitialMode(int mode);
  void SetText(std::string_view text);
  void SetCustomerSource(int source);
  void SetReply(std::string_view text);
  // The completion state; -1 without a control or an answer.
  int CompletionState() const;
  std::string PassengerList() const;
  // The profile marker of entry index (0 to 8).
  bool ProfileMarker(int index) const;

 private:
  using Member = platform::add_passenger::Member;

  void Put(Member member, VARIANT& value);
  bool Get(Member member, VARIANT* argument, VARIANT& result) const;

  ComPtr<IDispatch> control_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  std::unique_ptr<platform::StringEventSink> sink_;
};

}  // namespace fit
