#include "tests/unit/web/DeskClient.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <stdexcept>

namespace desk::test {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using asio::ip::tcp;

namespace {

tcp::endpoint loopback(int port) {
  return {asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)};
}

// Binds a socket to come from a loopback address of its own (127.0.0.0/8 is all loopback).
void fromSource(tcp::socket& socket, const std::string& source) {
  if (source.empty()) return;
  socket.open(tcp::v4());
  socket.bind({asio::ip::make_address(source), 0});
}

// Runs the operations started on io for at most wait; cancels them (through cancel) past it.
template <typename Cancel>
void runFor(asio::io_context& io, std::chrono::milliseconds wait, Cancel cancel) {
  io.restart();
  io.run_for(wait);
  if (!io.stopped()) {
    cancel();
    io.restart();
    io.run();
  }
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string HttpAnswer::header(const std::string& name) const {
  const auto found = headers.find(lowered(name));
  return found == headers.end() ? std::string() : found->second;
}

struct DeskClient::Connection {
  asio::io_context io;
  tcp::socket socket{io};
  beast::flat_buffer buffer;
};

DeskClient::DeskClient(int port, std::string token) : port_(port), token_(std::move(token)) {}
DeskClient::~DeskClient() = default;
DeskClient::DeskClient(DeskClient&&) noexcept = default;

std::optional<HttpAnswer> DeskClient::request(const std::string& method, const std::string& target,
                                              const std::string& body, const Headers& headers) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const bool fresh = !connection_ || !connection_->socket.is_open();
    if (fresh) {
      connection_ = std::make_unique<Connection>();
      beast::error_code error;
      connection_->socket.connect(loopback(port_), error);
      if (error) return std::nullopt;
    }
    http::request<http::string_body> request(http::string_to_verb(method), target, 11);
    if (request.method() == http::verb::unknown) request.method_string(method);
    request.set(http::field::host, "127.0.0.1:" + std::to_string(port_));
    if (!token_.empty()) request.set(http::field::authorization, "Bearer " + token_);
    for (const auto& [name, value] : headers) request.set(name, value);
    request.body() = body;
    if (!body.empty() || method == "POST") request.prepare_payload();

    Connection& connection = *connection_;
    http::response_parser<http::string_body> parser;
    parser.body_limit(64 * 1024 * 1024);
    if (method == "HEAD") parser.skip(true);
    beast::error_code failed;
    bool answered = false;
    http::async_write(connection.socket, request, [&](beast::error_code error, std::size_t) {
      if (error) {
        failed = error;
        return;
      }
      http::async_read(connection.socket, connection.buffer, parser,
                       [&](beast::error_code readError, std::size_t) {
                         failed = readError;
                         answered = !readError;
                       });
    });
    runFor(connection.io, std::chrono::seconds(20), [&] {
      beast::error_code ignored;
      connection.socket.close(ignored);
    });
    if (!answered) {
      connection_.reset();
      // A kept-alive connection the desk had closed meanwhile: once more on a new one.
      if (!fresh) continue;
      return std::nullopt;
    }
    const auto& response = parser.get();
    HttpAnswer answer;
    answer.status = static_cast<int>(response.result_int());
    answer.body = response.body();
    for (const auto& field : response) {
      answer.headers.emplace(lowered(std::string(field.name_string())), std::string(field.value()));
    }
    if (!response.keep_alive()) connection_.reset();
    return answer;
  }
  return std::nullopt;
}

RawExchange rawExchange(int port, const std::string& bytes, std::chrono::milliseconds wait) {
  IdleConnection connection(port, bytes);
  RawExchange exchange;
  exchange.closedByDesk = connection.closedByDesk(wait);
  exchange.answer = connection.received();
  return exchange;
}

struct IdleConnection::Socket {
  asio::io_context io;
  tcp::socket socket{io};
  bool closed = false;
};

IdleConnection::IdleConnection(int port, const std::string& firstBytes, const std::string& source)
    : socket_(std::make_unique<Socket>()) {
  beast::error_code error;
  fromSource(socket_->socket, source);
  socket_->socket.connect(loopback(port), error);
  if (error) {
    socket_->closed = true;
    return;
  }
  if (!firstBytes.empty()) write(firstBytes);
}

IdleConnection::~IdleConnection() = default;

bool IdleConnection::write(const std::string& bytes) {
  if (socket_->closed) return false;
  beast::error_code error;
  asio::write(socket_->socket, asio::buffer(bytes), error);
  if (error) socket_->closed = true;
  return !error;
}

bool IdleConnection::closedByDesk(std::chrono::milliseconds wait) {
  if (socket_->closed) return true;
  std::array<char, 4096> chunk{};
  std::function<void()> readMore;
  readMore = [&] {
    socket_->socket.async_read_some(asio::buffer(chunk),
                                    [&](beast::error_code error, std::size_t read) {
                                      received_.append(chunk.data(), read);
                                      if (error) {
                                        socket_->closed = error != asio::error::operation_aborted;
                                        return;
                                      }
                                      readMore();
                                    });
  };
  readMore();
  runFor(socket_->io, wait, [&] { socket_->socket.cancel(); });
  return socket_->closed;
}

struct DeskSocketClient::Socket {
  asio::io_context io;
  websocket::stream<tcp::socket> ws{io};
  beast::flat_buffer buffer;
};

DeskSocketClient::DeskSocketClient(int port, const std::string& token, const std::string& origin,
                                   const std::string& source)
    : socket_(std::make_unique<Socket>()) {
  fromSource(socket_->ws.next_layer(), source);
  socket_->ws.next_layer().connect(loopback(port));
  const std::string host = "127.0.0.1:" + std::to_string(port);
  socket_->ws.set_option(websocket::stream_base::decorator([&](websocket::request_type& request) {
    if (!token.empty()) request.set(http::field::authorization, "Bearer " + token);
    if (!origin.empty()) request.set(http::field::origin, origin);
  }));
  socket_->ws.handshake(host, "/api/ws");
}

DeskSocketClient::~DeskSocketClient() {
  close();
}

void DeskSocketClient::send(const std::string& message) {
  beast::error_code error;
  socket_->ws.write(asio::buffer(message), error);
  if (error) closed_ = true;
}

std::optional<std::string> DeskSocketClient::receive(std::chrono::milliseconds wait) {
  if (closed_) return std::nullopt;
  std::optional<std::string> message;
  socket_->ws.async_read(socket_->buffer, [&](beast::error_code error, std::size_t) {
    if (error) {
      closed_ = error != asio::error::operation_aborted;
      return;
    }
    message = beast::buffers_to_string(socket_->buffer.data());
    socket_->buffer.consume(socket_->buffer.size());
  });
  runFor(socket_->io, wait, [&] {
    // A websocket read cannot be resumed once cancelled: the socket is done then.
    beast::error_code ignored;
    socket_->ws.next_layer().cancel(ignored);
    closed_ = true;
  });
  return message;
}

void DeskSocketClient::close() {
  if (closed_) return;
  closed_ = true;
  beast::error_code ignored;
  socket_->ws.next_layer().shutdown(tcp::socket::shutdown_both, ignored);
  socket_->ws.next_layer().close(ignored);
}

int socketHandshakeStatus(int port, const Headers& headers) {
  asio::io_context io;
  websocket::stream<tcp::socket> ws(io);
  ws.next_layer().connect(loopback(port));
  ws.set_option(websocket::stream_base::decorator([&](websocket::request_type& request) {
    for (const auto& [name, value] : headers) request.set(name, value);
  }));
  websocket::response_type response;
  beast::error_code error;
  ws.handshake(response, "127.0.0.1:" + std::to_string(port), "/api/ws", error);
  return error ? static_cast<int>(response.result_int()) : 0;
}

}  // namespace desk::test
