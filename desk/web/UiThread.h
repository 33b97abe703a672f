#pragma once
// The desk's user-interface thread as other threads see it: a queue of tasks that the UI
// thread runs one at a time, in order. The HTTP server's threads hand every request to it and
// wait for the answer, so that the masks run on one thread and never lock anything. A handler
// that waits for a person (a message box, a modal picker) suspends its own mask's context (see
// MaskContext) and gives the thread back to this loop, so that other requests keep being
// served meanwhile; no task ever runs inside another.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <type_traits>

namespace desk {

// The UI thread stopped: the task will never run.
class UiThreadStopped : public std::runtime_error {
 public:
  UiThreadStopped() : std::runtime_error("the desk is shutting down") {}
};

class UiThread {
 public:
  using Task = std::function<void()>;

  // Any thread. Runs task on the UI thread after the tasks queued before it.
  // Throws UiThreadStopped once stop() was called.
  void post(Task task);
  // Any thread. Runs task on the UI thread once delay has passed, after the tasks queued by
  // then. Throws UiThreadStopped once stop() was called.
  void postAfter(std::chrono::milliseconds delay, Task task);

  // Any thread but the UI thread. Runs work on the UI thread and returns its result (or throws
  // its exception) when it is done.
  template <typename Work>
  auto invoke(Work work) -> std::invoke_result_t<Work> {
    using Result = std::invoke_result_t<Work>;
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    post([promise, work = std::move(work)]() mutable {
      try {
        if constexpr (std::is_void_v<Result>) {
          work();
          promise->set_value();
        } else {
          promise->set_value(work());
        }
      } catch (...) {
        promise->set_exception(std::current_exception());
      }
    });
    try {
      return future.get();
    } catch (const std::future_error&) {
      throw UiThreadStopped();
    }
  }

  // The UI thread. Runs tasks until stop(). The thread that calls it is the UI thread.
  // idle runs about every `tick`.
  void run(std::function<void()> idle = {},
           std::chrono::milliseconds tick = std::chrono::milliseconds(250));
  // For a program that drives the desk on its own thread instead of run(): runs the tasks
  // queued now and the timed ones due now, without waiting; returns how many ran.
  std::size_t runQueued();

  // Any thread. The loops end after their current task; queued tasks are dropped (their
  // waiters get UiThreadStopped).
  void stop();
  bool stopped() const;
  bool onUiThread() const;

 private:
  // Runs one task when one is queued within the wait; then the idle work when it is due.
  void runOne();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Task> tasks_;
  std::multimap<std::chrono::steady_clock::time_point, Task> timed_;  // by when they are due
  bool stopped_ = false;
  std::thread::id uiThread_;
  std::function<void()> idle_;
  std::chrono::milliseconds tick_{250};
  std::chrono::steady_clock::time_point lastIdle_;
};

}  // namespace desk
