// Contexts of their own for the masks' handlers: work that suspends gives the thread back and
// goes on where it stopped, in any order, each on its own stack with its own exceptions.

#include "desk/web/MaskContext.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace desk {
namespace {

TEST(MaskContext, SuspendedWorkGoesOnWhereItStoppedInAnyOrder) {
  MaskContext first;
  MaskContext second;
  std::string trace;
  auto work = [&trace](MaskContext& self, char name) {
    return [&trace, &self, name] {
      EXPECT_EQ(MaskContext::current(), &self);
      trace += name;
      self.suspend();
      trace += static_cast<char>(name - 'a' + 'A');
    };
  };
  first.run(work(first, 'a'));
  second.run(work(second, 'b'));
  EXPECT_EQ(trace, "ab");
  EXPECT_TRUE(first.suspended() && second.suspended());
  EXPECT_EQ(MaskContext::current(), nullptr);
  second.resume();  // the later one first: no order is imposed
  EXPECT_FALSE(second.busy());
  EXPECT_TRUE(first.busy());
  first.resume();
  EXPECT_EQ(trace, "abBA");
  EXPECT_FALSE(first.busy());
  first.run([&trace] { trace += "!"; });  // a context runs again once its work has returned
  EXPECT_EQ(trace, "abBA!");
}

TEST(MaskContext, RefusesSwitchesThatWouldNestContexts) {
  MaskContext outer;
  MaskContext inner;
  bool refused = false;
  outer.run([&] {
    try {
      inner.run([] {});
    } catch (const std::logic_error&) {
      refused = true;
    }
  });
  EXPECT_TRUE(refused);
  EXPECT_THROW(outer.resume(), std::logic_error) << "nothing is suspended";
  EXPECT_THROW(outer.suspend(), std::logic_error) << "only the running work suspends";
}

TEST(MaskContext, WhatTheWorkThrowsReachesWhoeverSawItEnd) {
  MaskContext context;
  EXPECT_THROW(context.run([] { throw std::runtime_error("at once"); }), std::runtime_error);
  context.run([&context] {
    context.suspend();
    throw std::runtime_error("after the wait");
  });
  EXPECT_THROW(context.resume(), std::runtime_error);
  EXPECT_FALSE(context.busy());
}

// Two handlers wait inside their catch blocks; each rethrows its own exception afterwards, as
// the exceptions being handled are kept per context and not per thread.
TEST(MaskContext, EachContextKeepsTheExceptionsItHandles) {
  MaskContext first;
  MaskContext second;
  std::string rethrown;
  auto work = [&rethrown](MaskContext& self, const char* what) {
    return [&rethrown, &self, what] {
      try {
        try {
          throw std::runtime_error(what);
        } catch (const std::runtime_error&) {
          self.suspend();
          EXPECT_EQ(std::uncaught_exceptions(), 0);
          throw;
        }
      } catch (const std::runtime_error& error) {
        rethrown += error.what();
      }
    };
  };
  first.run(work(first, "first "));
  second.run(work(second, "second "));
  first.resume();
  second.resume();
  EXPECT_EQ(rethrown, "first second ");
}

// Deep work fits the stack, and the pages it touched are counted.
TEST(MaskContext, DeepWorkFitsItsStackAndIsMeasured) {
  MaskContext context;
  constexpr std::size_t kDepth = 256 * 1024;
  context.run([] {
    char deep[kDepth];
    // Written at both ends, as far as the compiler knows read again.
    deep[0] = 1;
    deep[kDepth - 1] = 1;
    asm volatile("" : : "r"(deep) : "memory");
  });
  EXPECT_GE(MaskContext::deepestStackUse(), kDepth);
  EXPECT_LT(MaskContext::deepestStackUse(), MaskContext::kStackSize);
}

}  // namespace
}  // namespace desk
