#include "desk/web/WebServer.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include "desk/web/HttpSession.h"
#include "desk/web/ServerShared.h"

namespace desk {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;

struct WebServer::Impl {
  Impl(WebDesk& desk, std::string signInToken, std::vector<std::string> allowed)
      : shared(desk), token(std::move(signInToken)), allowedHosts(std::move(allowed)) {
    shared.post->attach(io);
  }

  void accept();
  void refuseBusy(tcp::socket socket);

  // The connections' shared parts outlive the I/O context, whose handlers hold connections.
  ServerShared shared;
  asio::io_context io{1};
  tcp::acceptor acceptor{io};
  std::string token;
  std::vector<std::string> allowedHosts;
};

void WebServer::Impl::accept() {
  acceptor.async_accept(io, [this](beast::error_code error, tcp::socket socket) {
    if (error == asio::error::operation_aborted || !acceptor.is_open()) return;
    if (!error) {
      beast::error_code ignored;
      const auto peer = socket.remote_endpoint(ignored);
      socket.set_option(tcp::no_delay(true), ignored);
      if (auto place = shared.connections.admit(peer.address().to_string())) {
        std::make_shared<HttpSession>(shared, std::move(socket), std::move(*place))->start();
      } else {
        refuseBusy(std::move(socket));
      }
    }
    accept();
  });
}

void WebServer::Impl::refuseBusy(tcp::socket socket) {
  auto stream = std::make_shared<beast::tcp_stream>(std::move(socket));
  auto response =
      std::make_shared<http::response<http::string_body>>(http::status::service_unavailable, 11);
  response->set(http::field::content_type, "application/json; charset=utf-8");
  response->set(http::field::retry_after, "5");
  HttpSession::addSecurityHeaders(response->base(), {});
  response->body() = R"({"error":"The desk has too many connections open; try again soon."})";
  response->keep_alive(false);
  response->prepare_payload();
  stream->expires_after(std::chrono::seconds(2));
  http::async_write(*stream, *response, [stream, response](beast::error_code, std::size_t) {
    beast::error_code ignored;
    stream->socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream->close();
  });
}

WebServer::WebServer(WebDesk& desk, std::string token, std::vector<std::string> allowedHosts)
    : impl_(std::make_unique<Impl>(desk, std::move(token), std::move(allowedHosts))) {}

WebServer::~WebServer() {
  stop();
  impl_->shared.post->close();
}

int WebServer::bind(const std::string& host, int port) {
  beast::error_code error;
  const auto address = asio::ip::make_address(host == "localhost" ? "127.0.0.1" : host, error);
  if (error) return -1;
  const tcp::endpoint endpoint(address, static_cast<unsigned short>(port));
  tcp::acceptor& acceptor = impl_->acceptor;
  acceptor.open(endpoint.protocol(), error);
  if (error) return -1;
  acceptor.set_option(asio::socket_base::reuse_address(true), error);
  if (address.is_v6()) acceptor.set_option(asio::ip::v6_only(true), error);
  acceptor.bind(endpoint, error);
  if (!error) acceptor.listen(asio::socket_base::max_listen_connections, error);
  if (error) {
    acceptor.close(error);
    return -1;
  }
  const int bound = acceptor.local_endpoint(error).port();
  impl_->shared.access.emplace(impl_->token, host, bound, impl_->allowedHosts);
  return bound;
}

const DeskAccess& WebServer::access() const {
  return *impl_->shared.access;
}

void WebServer::listen() {
  impl_->accept();
  impl_->io.run();
}

void WebServer::stop() {
  Impl& impl = *impl_;
  asio::post(impl.io, [&impl] {
    beast::error_code ignored;
    impl.acceptor.close(ignored);
    impl.shared.connections.closeAll();
    impl.io.stop();
  });
}

}  // namespace desk
