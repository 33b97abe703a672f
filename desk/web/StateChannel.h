#pragma once
// The latest state of one mask instance as the page sees it, handed from the UI thread to the
// HTTP threads that stream it. Each publication replaces the state and raises its version; a
// stream sends the newest state it has not sent yet, so a slow reader skips states and still
// shows the true one.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace desk {

class StateChannel {
 public:
  using Clock = std::chrono::steady_clock;

  // The UI thread.
  void publish(std::string state);
  // The instance is gone: streams end after sending what they have.
  void close();

  // An HTTP thread. Waits until a state newer than seenVersion is published (or the channel
  // closes, or the wait ends) and returns it with its version.
  struct Published {
    std::uint64_t version;
    std::string state;
  };
  std::optional<Published> waitNewer(std::uint64_t seenVersion, Clock::duration wait);
  std::uint64_t version() const;
  bool closed() const;

  // Streams reading the channel; the page is gone when none has read it for a while.
  void subscribe();
  void unsubscribe();
  // How long no stream has been reading, or zero while one is.
  Clock::duration unwatchedFor() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string state_;
  std::uint64_t version_ = 0;
  bool closed_ = false;
  int subscribers_ = 0;
  Clock::time_point unwatchedSince_ = Clock::now();
};

}  // namespace desk
