#pragma once
// The desktop's add-passenger control as a mask hosts it in a dialog of its own: made from the
// class its host window names, kept in that window, and listened to. The operations are those
// the masks rely on; everything else about the control is its own.
//
// Members of the control: 1 initial mode, 2 a text, 3 the customer source, 4 a reply text,
// 5 the completion state, 6 the passenger list text, 7 the profile marker of an entry.
// Events: 1 finished, 2 (text), 3 (text), 4 (source, destination, text), 5 (action,
// parameter).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"
#include "platform/com/StringEventSink.h"
#include "platform/window/Window.h"

namespace fit {

enum class AddPaxEvent : DISPID {
  Completed = 1,
  Send = 2,
  SendCommand = 3,
  SendTo = 4,
  OnEvent = 5,
};

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
  void Put(DISPID member, VARIANT& value);
  bool Get(DISPID member, VARIANT* argument, VARIANT& result) const;

  ComPtr<IDispatch> control_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  std::unique_ptr<platform::StringEventSink> sink_;
};

}  // namespace fit
