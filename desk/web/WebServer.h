#pragma once
// The web desk's HTTP side: the page and its assets, the desk's and the masks' JSON requests,
// and a stream of server-sent events per mask instance that carries every change of its state.
// Every request that touches a mask is handed to the UI thread; the server's own threads only
// parse, check and wait.

#include <memory>
#include <string>

#include "desk/web/WebDesk.h"

namespace httplib {
class Server;
}

namespace desk {

class WebServer {
 public:
  // The largest request body the desk reads (a mask field holds far less).
  static constexpr std::size_t kLargestBody = 64 * 1024;

  explicit WebServer(WebDesk& desk);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // Binds to host and port (0: any free port) and returns the port; -1 when it cannot.
  int bind(const std::string& host, int port);
  // Serves until stop(); any thread.
  void listen();
  void stop();

 private:
  void routes();
  // Whether a request's Host header names this desk (a page of another site that reaches the
  // loopback address through its own name is refused).
  bool isOwnHost(const std::string& host) const;

  WebDesk& desk_;
  std::unique_ptr<httplib::Server> server_;
  std::string boundHost_;
  int boundPort_ = 0;
  std::shared_ptr<std::atomic<bool>> stopping_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace desk
