#include "desk/web/StateChannel.h"

namespace desk {

void StateChannel::publish(std::string state) {
  {
    std::lock_guard lock(mutex_);
    state_ = std::move(state);
    ++version_;
  }
  changed_.notify_all();
}

void StateChannel::close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
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

StateChannel::Clock::duration StateChannel::unwatchedFor() const {
  std::lock_guard lock(mutex_);
  if (subscribers_ > 0) return Clock::duration::zero();
  return Clock::now() - unwatchedSince_;
}

}  // namespace desk
