#pragma once
// One HTTP connection of the web desk: it reads one request at a time within the server's
// limits, screens its head before reading any body, hands it to the routes and writes the
// answer when the desk gives it; a WebSocket handshake at /api/ws becomes a DeskSocket.

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <optional>
#include <string>

#include "desk/web/ServerShared.h"

namespace desk {

class HttpSession final : public ServerConnection,
                          public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(ServerShared& shared, boost::asio::ip::tcp::socket socket,
              ConnectionTable::Place place);
  void start();
  void closeNow() override;

  // The headers every answer of the desk carries; host is the request's Host once it was
  // found to be the desk's own (the page's WebSocket connects to it), else empty.
  static void addSecurityHeaders(boost::beast::http::fields& fields, const std::string& host);

 private:
  using Parser = boost::beast::http::request_parser<boost::beast::http::string_body>;

  void awaitRequest();
  void readHeader();
  void onHeader(boost::beast::error_code error);
  void readBody();
  void onBody(boost::beast::error_code error);
  void upgrade();
  void respond(WebResponse response, bool keepAlive);
  void drain(std::size_t drained);
  void refuse(int status, const std::string& message);

  ServerShared& shared_;
  boost::beast::tcp_stream stream_;
  boost::beast::flat_buffer buffer_;
  std::optional<Parser> parser_;
  ConnectionTable::Place place_;
  // Waits, without a deadline, while the desk works on the request: the wait holds the
  // session (the desk's threads hold only a weak reference to it).
  boost::asio::steady_timer deskWorking_;
  std::string host_;  // the request's Host, once screened
  bool head_ = false;
  bool api_ = false;
  bool upgraded_ = false;
};

}  // namespace desk
