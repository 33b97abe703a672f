// Timed tasks of the UI thread: run once due, after the tasks queued by then, never early.

#include "desk/web/UiThread.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace desk {
namespace {

using namespace std::chrono_literals;

TEST(UiThread, RunsTimedTasksWhenDueAndInOrder) {
  UiThread ui;
  std::string order;
  std::chrono::steady_clock::duration late{};
  const auto start = std::chrono::steady_clock::now();
  ui.postAfter(60ms, [&] {
    late = std::chrono::steady_clock::now() - start;
    order += "b";
    ui.stop();
  });
  ui.postAfter(20ms, [&] { order += "a"; });
  ui.post([&] { order += "0"; });
  std::thread runner([&] { ui.run({}, 1000ms); });  // a long tick: the timers wake the loop
  runner.join();
  EXPECT_EQ(order, "0ab");
  EXPECT_GE(late, 60ms);
  EXPECT_LT(late, 500ms);
  EXPECT_THROW(ui.postAfter(1ms, [] {}), UiThreadStopped);
}

}  // namespace
}  // namespace desk
