#include "desk/web/StateChannel.h"

#include <vector>

namespace desk {

void StateChannel::publish(std::string state) {
  {
    std::lock_guard lock(mutex_);
    state_ = std::move(state);
    ++version_;
  }
  changed_.notify_all();
  notifyListeners();
}

void StateChannel::close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
  notifyListeners();
}

void StateChannel::notifyListeners() {
  std::vector<Listener> notices;
  {
    std::lock_guard lock(mutex_);
    notices.reserve(listeners_.size());
    for (const auto& [id, notice] : listeners_) notices.push_back(notice);
  }
  for (const Listener& notice : notices) notice();
}

std::optional<StateChannel::Published> StateChannel::newerThan(std::uint64_t seenVersion) const {
  std::lock_guard lock(mutex_);
  if (version_ <= seenVersion) return std::nullopt;
  return Published{version_, state_};
}

std::optional<StateChannel::Published> StateChannel::waitNewer(std::uint64_t seenVersion,
                                                               Clock::duration wait) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, wait, [&] { return closed_ || version_ > seenVersion; });
  if (version_ <= seenVersion) return std::nullopt;
  return Published{version_, state_};
}

std::uint64_t StateChannel::version() const {
  std::lock_guard lock(mutex_);
  return version_;
}

bool StateChannel::closed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

void StateChannel::subscribe() {
  std::lock_guard lock(mutex_);
  ++subscribers_;
}

void StateChannel::unsubscribe() {
  std::lock_guard lock(mutex_);
  if (--subscribers_ == 0) unwatchedSince_ = Clock::now();
}

std::uint64_t StateChannel::listen(Listener notice) {
  std::lock_guard lock(mutex_);
  const std::uint64_t id = nextListener_++;
  listeners_.emplace(id, std::move(notice));
  ++subscribers_;
  return id;
}

void StateChannel::stopListening(std::uint64_t listener) {
  std::lock_guard lock(mutex_);
  if (listeners_.erase(listener) == 0) return;
  if (--subscribers_ == 0) unwatchedSince_ = Clock::now();
}

StateChannel::Clock::duration StateChannel::unwatchedFor() const {
  std::lock_guard lock(mutex_);
  if (subscribers_ > 0) return Clock::duration::zero();
  return Clock::now() - unwatchedSince_;
}

}  // namespace desk
