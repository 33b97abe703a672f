#pragma once
// What the web server's connections share on its I/O thread: the routes, the sign-in rules,
// the table of open connections with its limits, and a way for other threads (the UI thread)
// to hand results back to the I/O thread while the server lives.

#include <boost/asio/io_context.hpp>
#include <boost/asio/post.hpp>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "desk/web/DeskAccess.h"
#include "desk/web/WebRoutes.h"

namespace desk {

// The limits every connection is held to.
struct ServerLimits {
  static constexpr std::size_t kLargestHeader = 16 * 1024;
  static constexpr std::size_t kLargestBody = 64 * 1024;
  static constexpr std::size_t kLargestMessage = 64 * 1024;
  static constexpr auto kHeaderTime = std::chrono::seconds(10);  // from the request's first byte
  static constexpr auto kBodyTime = std::chrono::seconds(10);
  static constexpr auto kWriteTime = std::chrono::seconds(10);
  static constexpr auto kIdleTime = std::chrono::seconds(30);        // between requests
  static constexpr auto kSocketIdleTime = std::chrono::seconds(60);  // pinged at half of it
  static constexpr int kConnectionsPerAddress = 64;
  static constexpr int kConnections = 512;
  // Requests of one WebSocket that the desk works on at once; its reading waits past them.
  static constexpr int kOutstandingPerSocket = 16;
  static constexpr std::size_t kWatchesPerSocket = 64;
};

// Hands work to the I/O thread; before attach() and after close() (the server is going) the
// work is dropped.
class IoPost {
 public:
  void attach(boost::asio::io_context& io) {
    std::lock_guard lock(mutex_);
    io_ = &io;
  }
  void post(std::function<void()> work) {
    std::lock_guard lock(mutex_);
    if (io_ != nullptr) boost::asio::post(*io_, std::move(work));
  }
  void close() {
    std::lock_guard lock(mutex_);
    io_ = nullptr;
  }

 private:
  std::mutex mutex_;
  boost::asio::io_context* io_ = nullptr;
};

// A connection the server can end when it stops.
class ServerConnection {
 public:
  virtual ~ServerConnection() = default;
  virtual void closeNow() = 0;
};

// The open connections, counted per client address. The I/O thread only.
class ConnectionTable {
 public:
  // Holds a connection's place; the place is freed when it goes.
  class Place {
   public:
    Place(ConnectionTable& table, std::string address, std::uint64_t id)
        : table_(&table), address_(std::move(address)), id_(id) {}
    Place(Place&& other) noexcept
        : table_(std::exchange(other.table_, nullptr)),
          address_(std::move(other.address_)),
          id_(other.id_) {}
    Place& operator=(Place&&) = delete;
    Place(const Place&) = delete;
    ~Place() {
      if (table_ != nullptr) table_->free(address_, id_);
    }
    // The connection that holds the place now (a WebSocket takes over its HTTP connection's).
    void heldBy(std::weak_ptr<ServerConnection> connection) {
      if (table_ != nullptr) table_->open_[id_] = std::move(connection);
    }

   private:
    ConnectionTable* table_;
    std::string address_;
    std::uint64_t id_;
  };

  // A place for a new connection from address, or nothing past the limits.
  std::optional<Place> admit(const std::string& address) {
    int& count = perAddress_[address];
    if (count >= ServerLimits::kConnectionsPerAddress || total_ >= ServerLimits::kConnections) {
      if (count == 0) perAddress_.erase(address);
      return std::nullopt;
    }
    ++count;
    ++total_;
    const std::uint64_t id = nextId_++;
    open_[id];
    return Place(*this, address, id);
  }
  // Ends every open connection.
  void closeAll() {
    auto open = open_;
    for (auto& [id, connection] : open) {
      if (auto alive = connection.lock()) alive->closeNow();
    }
  }
  int total() const { return total_; }

 private:
  void free(const std::string& address, std::uint64_t id) {
    open_.erase(id);
    --total_;
    const auto found = perAddress_.find(address);
    if (found != perAddress_.end() && --found->second <= 0) perAddress_.erase(found);
  }

  std::map<std::string, int> perAddress_;
  std::map<std::uint64_t, std::weak_ptr<ServerConnection>> open_;
  std::uint64_t nextId_ = 1;
  int total_ = 0;
};

struct ServerShared {
  explicit ServerShared(WebDesk& desk) : routes(desk), post(std::make_shared<IoPost>()) {}
  WebRoutes routes;
  std::optional<DeskAccess> access;  // once the server is bound
  std::shared_ptr<IoPost> post;
  ConnectionTable connections;
};

}  // namespace desk
