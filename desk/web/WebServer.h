#pragma once
// The web desk's server: HTTP for the page's files, the mask pages and the JSON requests of
// scripts, and one WebSocket per page for its masks' actions and states. Asynchronous I/O on
// one I/O thread (listen()); every request that touches a mask is handed to the UI thread
// and answered when the desk is done, so that no connection waits on another.

#include <memory>
#include <string>
#include <vector>

#include "desk/web/DeskAccess.h"
#include "desk/web/WebDesk.h"

namespace desk {

class WebServer {
 public:
  // The largest request body the desk reads (a mask field holds far less).
  static constexpr std::size_t kLargestBody = 64 * 1024;

  // token: the sign-in token of this start; allowedHosts: the names a Host header may give
  // when the desk listens elsewhere than on loopback (none: the bound address).
  WebServer(WebDesk& desk, std::string token, std::vector<std::string> allowedHosts = {});
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // Binds to host and port (0: any free port) and returns the port; -1 when it cannot.
  int bind(const std::string& host, int port);
  // Valid once bound.
  const DeskAccess& access() const;
  // Serves until stop(); the thread that calls it is the server's I/O thread.
  void listen();
  // Any thread. Stops accepting, ends every connection, and lets listen() return.
  void stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace desk
