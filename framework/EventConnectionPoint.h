#pragma once
// The connection point of a mask's event interface: containers advise their sinks on it, and
// the mask fires its events to every connected sink, in connection order, through
// IDispatch::Invoke.

#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/EventSinks.h"

namespace framework {

class EventConnectionPoint final : public platform::ComObject<IConnectionPoint> {
 public:
  // The point lives inside its owner: the owner answers AddRef, Release and the container
  // query, and deletes the point when it goes itself.
  EventConnectionPoint(IConnectionPointContainer& owner, const IID& eventIid);
  ~EventConnectionPoint() override;

  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT GetConnectionInterface(IID* iid) override;
  HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT Unadvise(DWORD cookie) override;

  const IID& eventIid() const { return eventIid_; }
  // Invokes the event on every sink with string arguments in declared order; a failing sink
  // does not stop the others, and their results are not looked at.
  void fire(DISPID event, const std::vector<std::string>& arguments);
  // Lets every sink go (the mask is going).
  void disconnectAll();

 private:
  IConnectionPointContainer& owner_;
  IID eventIid_;
  platform::EventSinks sinks_;
};

}  // namespace framework
