#pragma once
// The sinks connected to one connection point, in connection order, each with the cookie that
// Advise gave it: what a connection point keeps, for the masks' event interfaces and for the
// outside controls the pickers host.

#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"

namespace platform {

class EventSinks {
 public:
  // Connects the sink through the event interface, or through IDispatch when the sink answers
  // only that; CONNECT_E_CANNOTCONNECT (cookie 0) when it answers neither.
  HRESULT advise(IUnknown* sink, const IID& eventIid, DWORD* cookie);
  HRESULT unadvise(DWORD cookie);
  // Invokes the event on every sink with string arguments (Latin-1) in declared order; a
  // failing sink does not stop the others, and their results are not looked at. A sink may
  // unadvise while the event runs: each sink connected when it started is called once.
  void fire(DISPID event, const std::vector<std::string>& arguments) const;
  void clear() { connections_.clear(); }

 private:
  struct Connection {
    DWORD cookie;
    ComPtr<IDispatch> sink;
  };

  std::vector<Connection> connections_;
  DWORD nextCookie_ = 1;
};

}  // namespace platform
