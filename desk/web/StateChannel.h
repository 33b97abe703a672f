#pragma once
// The latest state of one mask instance as the page sees it, handed from the UI thread to the
// server's I/O thread that sends it. Each publication replaces the state and raises its version;
// a page is sent the newest state it has not been sent yet, so a slow reader skips states and
// still shows the true one.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace desk {

class StateChannel {
 public:
  using Clock = std::chrono::steady_clock;

  // The UI thread.
  void publish(std::string state);
  // The instance is gone: readers end after sending what they have.
  void close();

  struct Published {
    std::uint64_t version;
    std::string state;
  };
  // Any thread. The newest state when it is newer than seenVersion.
  std::optional<Published> newerThan(std::uint64_t seenVersion) const;
  // Any thread. Waits until a state newer than seenVersion is published (or the channel
  // closes, or the wait ends) and returns it with its version.
  std::optional<Published> waitNewer(std::uint64_t seenVersion, Clock::duration wait);
  std::uint64_t version() const;
  bool closed() const;

  // Readers of the channel; the page is gone when none has read it for a while.
  void subscribe();
  void unsubscribe();
  // A reader that is told of each publication and of the close instead of waiting for them.
  // The notice runs on the publishing thread, outside the channel's lock, and must only hand
  // the news on (post it to the reader's own thread). A listener counts as a subscriber.
  using Listener = std::function<void()>;
  std::uint64_t listen(Listener notice);
  void stopListening(std::uint64_t listener);
  // How long no reader has been reading, or zero while one is.
  Clock::duration unwatchedFor() const;

 private:
  void notifyListeners();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string state_;
  std::uint64_t version_ = 0;
  bool closed_ = false;
  int subscribers_ = 0;
  Clock::time_point unwatchedSince_ = Clock::now();
  std::map<std::uint64_t, Listener> listeners_;
  std::uint64_t nextListener_ = 1;
};

}  // namespace desk
