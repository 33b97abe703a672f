#pragma once
// A page's WebSocket: the states of every instance the page watches, newest first and older
// ones skipped for a slow reader, and the page's actions, answers and closes with their
// outcomes by sequence number (see SocketMessages.h). The I/O thread only, but for the
// channels' notices, which post to it.

#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "desk/web/ServerShared.h"
#include "desk/web/SocketMessages.h"
#include "desk/web/StateChannel.h"

namespace desk {

class DeskSocket final : public ServerConnection, public std::enable_shared_from_this<DeskSocket> {
 public:
  DeskSocket(ServerShared& shared, boost::beast::tcp_stream stream, ConnectionTable::Place place);
  ~DeskSocket() override;
  void start(boost::beast::http::request<boost::beast::http::string_body> handshake);
  void closeNow() override;

 private:
  struct Watched {
    std::shared_ptr<StateChannel> channel;
    std::uint64_t listener = 0;
    std::uint64_t sentVersion = 0;
    bool closedSent = false;
  };

  void read();
  void onRead(boost::beast::error_code error);
  void handle(const std::string& text);
  void watch(const std::string& id);
  void watched(const std::string& id, std::shared_ptr<StateChannel> channel,
               const DeskOutcome& outcome);
  void unwatch(const std::string& id);
  void stateChanged(const std::string& id);
  // A message that answers a request (counted as outstanding until it is written).
  void send(std::string message);
  void requestDone();
  void flush();
  void leave();
  WebRoutes::Outcome outcomeFor(std::optional<long long> sequence);

  ServerShared& shared_;
  boost::beast::websocket::stream<boost::beast::tcp_stream> socket_;
  boost::beast::flat_buffer buffer_;
  ConnectionTable::Place place_;
  // Holds the socket while its reading waits for the desk's answers (the desk's threads hold
  // only a weak reference to it).
  boost::asio::steady_timer readingPaused_;
  std::map<std::string, Watched> watched_;
  std::set<std::string> watching_;  // asked for, not yet answered by the desk
  std::deque<std::string> messages_;
  std::deque<std::string> changed_;  // instances whose state may be newer than the one sent
  std::string writing_;
  bool writingNow_ = false;
  bool paused_ = false;
  bool gone_ = false;
  int outstanding_ = 0;
};

}  // namespace desk
