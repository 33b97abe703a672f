#include "desk/web/UiThread.h"

#include <algorithm>
#include <thread>

namespace desk {

void UiThread::post(Task task) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_) throw UiThreadStopped();
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
}

void UiThread::postAfter(std::chrono::milliseconds delay, Task task) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_) throw UiThreadStopped();
    timed_.emplace(std::chrono::steady_clock::now() + delay, std::move(task));
  }
  wake_.notify_one();
}

void UiThread::run(std::function<void()> idle, std::chrono::milliseconds tick) {
  {
    std::lock_guard lock(mutex_);
    uiThread_ = std::this_thread::get_id();
  }
  idle_ = std::move(idle);
  tick_ = tick;
  lastIdle_ = std::chrono::steady_clock::now();
  while (!stopped()) runOne();
}

std::size_t UiThread::runQueued() {
  std::deque<Task> ready;
  {
    std::lock_guard lock(mutex_);
    if (stopped_) return 0;
    const auto now = std::chrono::steady_clock::now();
    while (!timed_.empty() && timed_.begin()->first <= now) {
      tasks_.push_back(std::move(timed_.begin()->second));
      timed_.erase(timed_.begin());
    }
    ready.swap(tasks_);
  }
  for (Task& task : ready) task();
  return ready.size();
}

void UiThread::runOne() {
  Task task;
  {
    std::unique_lock lock(mutex_);
    if (tasks_.empty() && !stopped_) {
      // Any wake ends the wait: a new task, or a timed task due before the deadline known here.
      auto deadline = std::chrono::steady_clock::now() + tick_;
      if (!timed_.empty()) deadline = std::min(deadline, timed_.begin()->first);
      wake_.wait_until(lock, deadline);
    }
    const auto now = std::chrono::steady_clock::now();
    while (!timed_.empty() && timed_.begin()->first <= now) {
      tasks_.push_back(std::move(timed_.begin()->second));
      timed_.erase(timed_.begin());
    }
    if (!tasks_.empty() && !stopped_) {
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
  }
  if (task) task();
  const auto now = std::chrono::steady_clock::now();
  if (idle_ && now - lastIdle_ >= tick_ && !stopped()) {
    lastIdle_ = now;
    idle_();
  }
}

void UiThread::stop() {
  std::deque<Task> dropped;
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    dropped.swap(tasks_);
    timed_.clear();
  }
  wake_.notify_all();
  // Dropping a task of invoke() breaks its promise: the waiter learns that it will not run.
}

bool UiThread::stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

bool UiThread::onUiThread() const {
  std::lock_guard lock(mutex_);
  return uiThread_ == std::this_thread::get_id();
}

}  // namespace desk
