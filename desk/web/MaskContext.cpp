#include "desk/web/MaskContext.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cxxabi.h>
#include <algorithm>
#include <boost/context/fiber.hpp>
#include <boost/context/protected_fixedsize_stack.hpp>
#include <cstring>
#include <stdexcept>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define QUILLET_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLET_ADDRESS_SANITIZER 1
#endif
#endif

#if defined(QUILLET_ADDRESS_SANITIZER)
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace desk {

namespace context = boost::context;

namespace {

MaskContext* running = nullptr;
std::size_t deepestUse = 0;

// The address sanitizer keeps its own account of the stack in use; it is told of every switch,
// or it takes the other stack's frames for overflows.
void* startSwitch(const void* bottom, std::size_t size) {
  void* fakeStack = nullptr;
#if defined(QUILLET_ADDRESS_SANITIZER)
  __sanitizer_start_switch_fiber(&fakeStack, bottom, size);
#else
  (void)bottom, (void)size;
#endif
  return fakeStack;
}

// The last switch away from a stack that ends: the sanitizer forgets its frames.
void startFinalSwitch(const void* bottom, std::size_t size) {
#if defined(QUILLET_ADDRESS_SANITIZER)
  __sanitizer_start_switch_fiber(nullptr, bottom, size);
#else
  (void)bottom, (void)size;
#endif
}

void finishSwitch(void* fakeStack, const void** previousBottom, std::size_t* previousSize) {
#if defined(QUILLET_ADDRESS_SANITIZER)
  __sanitizer_finish_switch_fiber(fakeStack, previousBottom, previousSize);
#else
  (void)fakeStack, (void)previousBottom, (void)previousSize;
#endif
}

// The thread's exception-handling state (the exceptions being handled, the number in flight).
// A handler may wait inside a catch block; each stack keeps its own state, or the exception
// stack of one would be popped by the catch block of another.
struct ExceptionState {
  void* caughtExceptions = nullptr;
  unsigned int uncaughtExceptions = 0;
};

ExceptionState& threadExceptionState() {
  return *reinterpret_cast<ExceptionState*>(abi::__cxa_get_globals());
}

}  // namespace

struct MaskContext::Fiber {
  context::fiber work;    // the work's side, held by the UI thread while the work is suspended
  context::fiber caller;  // the UI thread's side, held by the work while it runs
  const void* stackBottom = nullptr;
  std::size_t stackSize = 0;
  const void* callerBottom = nullptr;
  std::size_t callerSize = 0;
  ExceptionState exceptions;  // the work's, while the UI thread runs
};

namespace {

// Fixed stacks with a guard page below, that tell the sanitizer their memory is free again
// (the next stack may be mapped where this one was) and measure how deep the work went.
class GuardedStack {
 public:
  GuardedStack(const void** bottom, std::size_t* size) : bottom_(bottom), size_(size) {}

  context::stack_context allocate() {
    context::stack_context stack = stacks_.allocate();
    const std::size_t guard = context::stack_traits::page_size();
    *bottom_ = static_cast<char*>(stack.sp) - stack.size + guard;
    *size_ = stack.size - guard;
    return stack;
  }

  void deallocate(context::stack_context& stack) noexcept {
    char* const base = static_cast<char*>(stack.sp) - stack.size;
    recordUse(base, stack.size);
#if defined(QUILLET_ADDRESS_SANITIZER)
    ASAN_UNPOISON_MEMORY_REGION(base, stack.size);
#endif
    stacks_.deallocate(stack);
  }

 private:
  // The stack grows down from its top: the lowest page the work touched is as deep as it went.
  static void recordUse(char* base, std::size_t size) {
    const std::size_t page = context::stack_traits::page_size();
    std::vector<unsigned char> resident(size / page);
    if (mincore(base, size, resident.data()) != 0) return;
    const auto lowest = std::ranges::find_if(resident, [](unsigned char p) { return p & 1; });
    if (lowest == resident.end()) return;
    const std::size_t used = size - static_cast<std::size_t>(lowest - resident.begin()) * page;
    deepestUse = std::max(deepestUse, used);
  }

  context::protected_fixedsize_stack stacks_{MaskContext::kStackSize};
  const void** bottom_;
  std::size_t* size_;
};

}  // namespace

MaskContext::MaskContext() : fiber_(std::make_unique<Fiber>()) {}

MaskContext::~MaskContext() = default;

MaskContext* MaskContext::current() {
  return running;
}

std::size_t MaskContext::deepestStackUse() {
  return deepestUse;
}

void MaskContext::run(std::function<void()> work) {
  if (running != nullptr) throw std::logic_error("a mask context is started inside another");
  if (busy_) throw std::logic_error("the mask context is busy");
  work_ = std::move(work);
  failure_ = nullptr;
  Fiber& fiber = *fiber_;
  GuardedStack stack(&fiber.stackBottom, &fiber.stackSize);
  fiber.work = context::fiber(std::allocator_arg, stack, [this](context::fiber&& caller) {
    Fiber& self = *fiber_;
    finishSwitch(nullptr, &self.callerBottom, &self.callerSize);
    self.caller = std::move(caller);
    try {
      work_();
    } catch (const context::detail::forced_unwind&) {
      throw;  // the fiber is being unwound; it must reach the fiber's own entry
    } catch (...) {
      failure_ = std::current_exception();
    }
    work_ = nullptr;
    busy_ = false;
    startFinalSwitch(self.callerBottom, self.callerSize);
    return std::move(self.caller);
  });
  busy_ = true;
  switchIn();
}

void MaskContext::resume() {
  if (running != nullptr) throw std::logic_error("a mask context is resumed inside another");
  if (!suspended_) throw std::logic_error("the mask context is not suspended");
  switchIn();
}

void MaskContext::switchIn() {
  Fiber& fiber = *fiber_;
  ExceptionState& exceptions = threadExceptionState();
  const ExceptionState callers = exceptions;
  exceptions = fiber.exceptions;
  running = this;
  void* fakeStack = startSwitch(fiber.stackBottom, fiber.stackSize);
  fiber.work = std::move(fiber.work).resume();
  finishSwitch(fakeStack, nullptr, nullptr);
  running = nullptr;
  fiber.exceptions = exceptions;
  exceptions = callers;
  if (!busy_ && failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void MaskContext::suspend() {
  if (running != this) throw std::logic_error("a mask context suspends only itself");
  Fiber& fiber = *fiber_;
  suspended_ = true;
  void* fakeStack = startSwitch(fiber.callerBottom, fiber.callerSize);
  fiber.caller = std::move(fiber.caller).resume();
  finishSwitch(fakeStack, &fiber.callerBottom, &fiber.callerSize);
  suspended_ = false;
}

}  // namespace desk
