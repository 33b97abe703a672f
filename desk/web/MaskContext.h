#pragma once
// A stack of its own for the handlers of one mask instance, on the desk's UI thread. The UI
// thread runs work on it until the work returns or suspends itself (a message box that waits
// for the page); the thread then goes on serving other requests and resumes the work when its
// answer comes. Only the UI thread switches, and only between itself and one context at a
// time, so the module still sees one thread of control and takes no locks, while no handler
// ever runs on the stack of another mask and a waiting box costs no stack of the thread.

#include <cstddef>
#include <functional>
#include <memory>

namespace desk {

class MaskContext {
 public:
  // Enough for the deepest handler of the module (a Send of the largest mask) with room to
  // spare, also in the sanitizer build, whose frames are larger; only the pages a handler
  // touches take memory. A handler that goes deeper hits the guard page below and ends the
  // process rather than writing over other memory.
  static constexpr std::size_t kStackSize = 1024 * 1024;

  MaskContext();
  // The work must not be busy: a context that is running or suspended is never destroyed.
  ~MaskContext();
  MaskContext(const MaskContext&) = delete;
  MaskContext& operator=(const MaskContext&) = delete;

  // The UI thread, outside every context. Runs work on this context's stack and returns when
  // the work has returned (throwing what it threw) or has suspended itself. std::logic_error
  // when this context is busy or another one runs.
  void run(std::function<void()> work);
  // The UI thread, outside every context: continues the suspended work as run() does.
  void resume();
  // Inside this context's work: gives the thread back to the caller of run() or resume() and
  // returns when the work is resumed.
  void suspend();

  // From run() until the work has returned: running, or suspended.
  bool busy() const { return busy_; }
  bool suspended() const { return suspended_; }
  // The context whose work runs now; null on the UI thread's own stack.
  static MaskContext* current();

  // The most stack any context's work has used so far, in bytes (pages it touched).
  static std::size_t deepestStackUse();

 private:
  struct Fiber;
  void switchIn();

  std::unique_ptr<Fiber> fiber_;
  std::function<void()> work_;
  std::exception_ptr failure_;
  bool busy_ = false;
  bool suspended_ = false;
};

}  // namespace desk
