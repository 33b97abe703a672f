#include "desk/web/HttpSession.h"

#include <boost/beast/websocket/rfc6455.hpp>

#include "desk/web/BeastRequestHead.h"
#include "desk/web/DeskSocket.h"
#include "desk/web/WebAddress.h"

namespace desk {

namespace beast = boost::beast;
namespace http = beast::http;

namespace {

// Room for one request's head and body as they arrive, and a little of the next.
constexpr std::size_t kLargestBuffer =
    ServerLimits::kLargestHeader + ServerLimits::kLargestBody + 16 * 1024;

// How long and how much a closing connection reads of what its peer still sends.
constexpr auto kDrainTime = std::chrono::seconds(2);
constexpr std::size_t kLargestDrain = 1024 * 1024;

}  // namespace

HttpSession::HttpSession(ServerShared& shared, boost::asio::ip::tcp::socket socket,
                         ConnectionTable::Place place)
    : shared_(shared),
      stream_(std::move(socket)),
      buffer_(kLargestBuffer),
      place_(std::move(place)),
      deskWorking_(stream_.get_executor()) {}

void HttpSession::start() {
  place_.heldBy(weak_from_this());
  readHeader();
}

void HttpSession::closeNow() {
  deskWorking_.cancel();
  if (upgraded_) return;
  beast::error_code ignored;
  stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_both, ignored);
  stream_.close();
}

void HttpSession::addSecurityHeaders(http::fields& fields, const std::string& host) {
  fields.set(http::field::x_frame_options, "DENY");
  fields.set("X-Content-Type-Options", "nosniff");
  fields.set("Referrer-Policy", "no-referrer");
  std::string connect = "'self'";
  if (!host.empty()) connect += " ws://" + host + " wss://" + host;
  fields.set("Content-Security-Policy",
             "default-src 'none'; script-src 'self'; style-src 'self'; font-src 'self'; "
             "img-src 'self'; connect-src " +
                 connect + "; base-uri 'none'; form-action 'self'; frame-ancestors 'none'");
}

void HttpSession::awaitRequest() {
  if (buffer_.size() > 0) return readHeader();  // the next request is here already
  // An idle connection waits this long for the next request's first byte.
  stream_.expires_after(ServerLimits::kIdleTime);
  stream_.async_read_some(buffer_.prepare(1024),
                          [self = shared_from_this()](beast::error_code error, std::size_t read) {
                            if (error) return self->closeNow();
                            self->buffer_.commit(read);
                            self->readHeader();
                          });
}

void HttpSession::readHeader() {
  parser_.emplace();
  parser_->header_limit(ServerLimits::kLargestHeader);
  parser_->body_limit(ServerLimits::kLargestBody);
  host_.clear();
  stream_.expires_after(ServerLimits::kHeaderTime);
  http::async_read_header(
      stream_, buffer_, *parser_,
      [self = shared_from_this()](beast::error_code error, std::size_t) { self->onHeader(error); });
}

void HttpSession::refuse(int status, const std::string& message) {
  WebResponse response = WebRoutes::errorResponse(status, message, api_);
  if (status == 405) response.headers.emplace_back("Allow", "GET, HEAD, POST");
  respond(std::move(response), false);
}

void HttpSession::onHeader(beast::error_code error) {
  if (error == beast::error::timeout || error == http::error::end_of_stream ||
      error == boost::asio::error::eof || error == boost::asio::error::operation_aborted) {
    return closeNow();  // a request that never came (timed out: the stream is closed)
  }
  const auto& request = parser_->get();
  api_ = parser_->is_header_done() &&
         splitTarget(beastView(request.target())).path.starts_with("/api/");
  if (error == http::error::header_limit || error == http::error::buffer_overflow) {
    return refuse(431, "The request's headers are too large.");
  }
  // A Content-Length past the limit is known before any of the body comes.
  if (error == http::error::body_limit) return refuse(413, "The request is too large.");
  if (error) return refuse(400, "The desk cannot read this request.");
  head_ = request.method() == http::verb::head;
  std::string cookies;
  const RequestHead head = requestHeadOf(request, cookies);
  const Screening screening = screenRequest(head, *shared_.access);
  if (screening.verdict == Screening::Verdict::Refuse) {
    return refuse(screening.status, screening.message);
  }
  host_ = std::string(*head.host);
  if (screening.verdict == Screening::Verdict::SignIn) {
    WebResponse response{303, "text/html; charset=utf-8", {}, {}};
    response.headers.emplace_back("Location", screening.location);
    response.headers.emplace_back("Set-Cookie", shared_.access->signInCookie());
    response.headers.emplace_back("Cache-Control", "no-store");
    return respond(std::move(response), parser_->is_done() && request.keep_alive());
  }
  if (head.websocket) {
    if (splitTarget(head.target).path != "/api/ws") {
      return refuse(404, "The desk takes WebSockets only at /api/ws.");
    }
    if (!parser_->is_done()) return refuse(400, "A WebSocket handshake has no body.");
    return upgrade();
  }
  if (beast::iequals(request[http::field::expect], "100-continue") && !parser_->is_done()) {
    auto going = std::make_shared<http::response<http::empty_body>>(http::status::continue_, 11);
    stream_.expires_after(ServerLimits::kWriteTime);
    return http::async_write(
        stream_, *going, [self = shared_from_this(), going](beast::error_code failed, std::size_t) {
          if (failed) return self->closeNow();
          self->readBody();
        });
  }
  readBody();
}

void HttpSession::readBody() {
  if (parser_->is_done()) return onBody({});
  stream_.expires_after(ServerLimits::kBodyTime);
  http::async_read(
      stream_, buffer_, *parser_,
      [self = shared_from_this()](beast::error_code error, std::size_t) { self->onBody(error); });
}

void HttpSession::onBody(beast::error_code error) {
  if (error == beast::error::timeout || error == boost::asio::error::operation_aborted) {
    return closeNow();
  }
  if (error == http::error::body_limit || error == http::error::buffer_overflow) {
    return refuse(413, "The request is too large.");
  }
  if (error) return refuse(400, "The desk cannot read this request.");
  http::request<http::string_body> request = parser_->release();
  const bool keepAlive = request.keep_alive();
  // The desk may take its time; the connection waits without a deadline meanwhile.
  stream_.expires_never();
  deskWorking_.expires_at(boost::asio::steady_timer::time_point::max());
  deskWorking_.async_wait([self = shared_from_this()](beast::error_code) {});
  shared_.routes.serve(
      beastView(request.method_string()), beastView(request.target()), std::move(request.body()),
      [post = shared_.post, weak = weak_from_this(), keepAlive](WebResponse answer) {
        post->post([weak, answer = std::move(answer), keepAlive]() mutable {
          if (auto self = weak.lock()) self->respond(std::move(answer), keepAlive);
        });
      });
}

void HttpSession::upgrade() {
  upgraded_ = true;
  auto socket = std::make_shared<DeskSocket>(shared_, std::move(stream_), std::move(place_));
  socket->start(parser_->release());
}

void HttpSession::drain(std::size_t drained) {
  // What the peer still sends (the body of a refused request) is read and dropped until it
  // closes: closing with unread bytes would reset the connection before it reads the answer.
  if (drained == 0) stream_.expires_after(kDrainTime);
  if (drained > kLargestDrain) return closeNow();
  buffer_.consume(buffer_.size());
  stream_.async_read_some(buffer_.prepare(4096), [self = shared_from_this(), drained](
                                                     beast::error_code error, std::size_t read) {
    if (error) return self->closeNow();
    self->drain(drained + read);
  });
}

void HttpSession::respond(WebResponse answer, bool keepAlive) {
  deskWorking_.cancel();
  const auto fill = [&](auto& response) {
    response.version(11);
    response.result(static_cast<unsigned>(answer.status));
    if (!answer.contentType.empty()) response.set(http::field::content_type, answer.contentType);
    for (const auto& [name, value] : answer.headers) response.insert(name, value);
    addSecurityHeaders(response.base(), host_);
    response.keep_alive(keepAlive);
  };
  const auto written = [self = shared_from_this(), keepAlive](beast::error_code error,
                                                              std::size_t) {
    if (error || !keepAlive) {
      beast::error_code ignored;
      self->stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send, ignored);
      if (error) return self->closeNow();
      return self->drain(0);
    }
    self->awaitRequest();
  };
  stream_.expires_after(ServerLimits::kWriteTime);
  if (head_) {
    auto response = std::make_shared<http::response<http::empty_body>>();
    fill(*response);
    response->content_length(answer.body.size());
    http::async_write(
        stream_, *response,
        [response, written](beast::error_code error, std::size_t size) { written(error, size); });
  } else {
    auto response = std::make_shared<http::response<http::string_body>>();
    fill(*response);
    response->body() = std::move(answer.body);
    response->prepare_payload();
    http::async_write(
        stream_, *response,
        [response, written](beast::error_code error, std::size_t size) { written(error, size); });
  }
}

}  // namespace desk
