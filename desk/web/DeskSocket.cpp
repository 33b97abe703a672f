#include "desk/web/DeskSocket.h"

#include <algorithm>

namespace desk {

namespace beast = boost::beast;
namespace websocket = beast::websocket;
using nlohmann::json;

namespace {

std::string errorMessage(int status, std::string_view error, const std::string* id = nullptr) {
  json message{{"type", "error"}, {"status", status}, {"error", error}};
  if (id != nullptr) message["id"] = *id;
  return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

DeskSocket::DeskSocket(ServerShared& shared, beast::tcp_stream stream, ConnectionTable::Place place)
    : shared_(shared),
      socket_(std::move(stream)),
      buffer_(ServerLimits::kLargestMessage + 1024),
      place_(std::move(place)),
      readingPaused_(socket_.get_executor()) {}

DeskSocket::~DeskSocket() {
  leave();
}

void DeskSocket::start(beast::http::request<beast::http::string_body> handshake) {
  place_.heldBy(weak_from_this());
  // The socket's own deadlines take over from the stream's: a handshake in time, and a page
  // that answers no ping within the idle time is gone.
  beast::get_lowest_layer(socket_).expires_never();
  websocket::stream_base::timeout timeouts{};
  timeouts.handshake_timeout = ServerLimits::kHeaderTime;
  timeouts.idle_timeout = ServerLimits::kSocketIdleTime;
  timeouts.keep_alive_pings = true;
  socket_.set_option(timeouts);
  socket_.read_message_max(ServerLimits::kLargestMessage);
  const std::string host(handshake[beast::http::field::host]);
  socket_.set_option(websocket::stream_base::decorator([host](websocket::response_type& response) {
    response.set(beast::http::field::server, "Quillet desk");
    response.set("X-Content-Type-Options", "nosniff");
  }));
  socket_.async_accept(handshake, [self = shared_from_this()](beast::error_code error) {
    if (error) return self->closeNow();
    self->read();
  });
}

void DeskSocket::closeNow() {
  if (gone_) return;
  leave();
  readingPaused_.cancel();
  beast::error_code ignored;
  beast::get_lowest_layer(socket_).socket().shutdown(boost::asio::ip::tcp::socket::shutdown_both,
                                                     ignored);
  beast::get_lowest_layer(socket_).close();
}

void DeskSocket::leave() {
  gone_ = true;
  // The instances are no longer watched from here: the desk releases each once no page has
  // watched it for the grace period.
  for (auto& [id, watched] : watched_) watched.channel->stopListening(watched.listener);
  watched_.clear();
}

void DeskSocket::read() {
  if (gone_) return;
  if (outstanding_ >= ServerLimits::kOutstandingPerSocket) {
    // The page's next message is read once the desk has answered.
    paused_ = true;
    readingPaused_.expires_at(boost::asio::steady_timer::time_point::max());
    readingPaused_.async_wait([self = shared_from_this()](beast::error_code) {});
    return;
  }
  socket_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
    self->onRead(error);
  });
}

void DeskSocket::onRead(beast::error_code error) {
  if (error) return closeNow();  // closed, too large, or no longer answering pings
  const std::string text = beast::buffers_to_string(buffer_.data());
  buffer_.consume(buffer_.size());
  ++outstanding_;
  if (!socket_.got_text()) {
    send(errorMessage(400, "the desk takes text messages only"));
  } else {
    handle(text);
  }
  read();
}

WebRoutes::Outcome DeskSocket::outcomeFor(std::optional<long long> sequence) {
  return [post = shared_.post, weak = weak_from_this(), sequence](DeskOutcome outcome) {
    json message = outcome.body.is_object() ? std::move(outcome.body) : json::object();
    message["type"] = "outcome";
    message["status"] = outcome.status;
    if (sequence) message["seq"] = *sequence;
    std::string text = message.dump(-1, ' ', false, json::error_handler_t::replace);
    const bool answered = sequence.has_value();
    post->post([weak, text = std::move(text), answered]() mutable {
      auto self = weak.lock();
      if (!self) return;
      if (answered) {
        self->send(std::move(text));
      } else {
        self->requestDone();
      }
    });
  };
}

void DeskSocket::handle(const std::string& text) {
  using Kind = SocketMessage::Kind;
  SocketMessage message;
  try {
    message = parseSocketMessage(text);
  } catch (const SocketMessageError& error) {
    if (error.sequence()) {
      json outcome{{"type", "outcome"},
                   {"seq", *error.sequence()},
                   {"status", error.status()},
                   {"error", error.what()}};
      return send(outcome.dump(-1, ' ', false, json::error_handler_t::replace));
    }
    return send(errorMessage(error.status(), error.what()));
  } catch (const std::exception& error) {
    return send(errorMessage(400, error.what()));
  }
  switch (message.kind) {
    case Kind::Watch:
      return watch(message.id);
    case Kind::Unwatch:
      unwatch(message.id);
      return requestDone();
    case Kind::Act:
      return shared_.routes.act(message.id, std::move(*message.action),
                                outcomeFor(message.sequence));
    case Kind::Answer:
      return shared_.routes.answer(message.id, std::move(*message.answer),
                                   outcomeFor(message.sequence));
    case Kind::Close:
      unwatch(message.id);
      return shared_.routes.close(message.id, outcomeFor(message.sequence));
  }
}

void DeskSocket::watch(const std::string& id) {
  if (watched_.contains(id) || watching_.contains(id)) return requestDone();
  if (watched_.size() + watching_.size() >= ServerLimits::kWatchesPerSocket) {
    return send(errorMessage(429, "a page watches at most 64 masks", &id));
  }
  watching_.insert(id);
  shared_.routes.watch(id, [post = shared_.post, weak = weak_from_this(), id](
                               std::shared_ptr<StateChannel> channel, DeskOutcome outcome) {
    post->post([weak, id, channel = std::move(channel), outcome = std::move(outcome)] {
      if (auto self = weak.lock()) self->watched(id, channel, outcome);
    });
  });
}

void DeskSocket::watched(const std::string& id, std::shared_ptr<StateChannel> channel,
                         const DeskOutcome& outcome) {
  watching_.erase(id);
  if (gone_) return;
  if (outcome.status != 200 || !channel) {
    return send(errorMessage(outcome.status, outcome.body.value("error", std::string()), &id));
  }
  Watched& entry = watched_[id];
  entry.channel = channel;
  entry.listener = channel->listen([post = shared_.post, weak = weak_from_this(), id] {
    post->post([weak, id] {
      if (auto self = weak.lock()) self->stateChanged(id);
    });
  });
  stateChanged(id);
  requestDone();
}

void DeskSocket::unwatch(const std::string& id) {
  const auto found = watched_.find(id);
  if (found == watched_.end()) return;
  found->second.channel->stopListening(found->second.listener);
  watched_.erase(found);
}

void DeskSocket::stateChanged(const std::string& id) {
  if (!watched_.contains(id)) return;
  if (std::find(changed_.begin(), changed_.end(), id) == changed_.end()) changed_.push_back(id);
  flush();
}

void DeskSocket::send(std::string message) {
  messages_.push_back(std::move(message));
  flush();
}

void DeskSocket::requestDone() {
  --outstanding_;
  if (paused_ && outstanding_ < ServerLimits::kOutstandingPerSocket) {
    paused_ = false;
    read();
    readingPaused_.cancel();
  }
}

void DeskSocket::flush() {
  if (writingNow_ || gone_) return;
  bool answers = false;
  if (!messages_.empty()) {
    writing_ = std::move(messages_.front());
    messages_.pop_front();
    answers = true;
  } else {
    writing_.clear();
    while (writing_.empty() && !changed_.empty()) {
      const std::string id = std::move(changed_.front());
      changed_.pop_front();
      const auto found = watched_.find(id);
      if (found == watched_.end()) continue;
      Watched& entry = found->second;
      // Only the newest state goes; those published since the last one was sent are skipped.
      if (auto published = entry.channel->newerThan(entry.sentVersion)) {
        entry.sentVersion = published->version;
        writing_ = R"({"type":"state","id":")" + id + R"(","version":)" +
                   std::to_string(published->version) + R"(,"state":)" + published->state + "}";
      } else if (entry.channel->closed() && !entry.closedSent) {
        entry.closedSent = true;
        writing_ = json{{"type", "closed"}, {"id", id}}.dump();
      }
    }
    if (writing_.empty()) return;
  }
  writingNow_ = true;
  socket_.text(true);
  socket_.async_write(boost::asio::buffer(writing_),
                      [self = shared_from_this(), answers](beast::error_code error, std::size_t) {
                        self->writingNow_ = false;
                        if (error) return self->closeNow();
                        if (answers) self->requestDone();
                        self->flush();
                      });
}

}  // namespace desk
