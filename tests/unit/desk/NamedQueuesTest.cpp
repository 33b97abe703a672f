#include "desk/services/NamedQueues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "desk/services/AtomicFile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

using desk::test::RecordingObserver;
using desk::test::runInChild;
using desk::test::TempHome;
using desk::test::waitFor;

constexpr int kTimeoutMs = 60000;

struct Popped {
  int taken;
  std::string message;
};

Popped pop(std::string_view queue, std::size_t bufferSize = 1024, int timeoutMs = kTimeoutMs) {
  Popped popped{0, "stale"};
  popped.taken = Q_popString(queue, "", popped.message, bufferSize, kWhiteboardName, timeoutMs);
  return popped;
}

TEST(NamedQueuesTest, MessagesComeOutOldestFirstThenTheDefault) {
  TempHome home;
  desk::pushQueueMessage("ID_MODIFYPNR_EMAIL", "LINENO=1");
  desk::pushQueueMessage("id_modifypnr_email", "LINENO=2");
  desk::pushQueueMessage("OTHER", "other");
  EXPECT_EQ(pop("Id_ModifyPnr_Email").message, "LINENO=1");
  EXPECT_EQ(pop("ID_MODIFYPNR_EMAIL").message, "LINENO=2");

  std::string message;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Q_popString("ID_MODIFYPNR_EMAIL", "none", message, 1024, kWhiteboardName, kTimeoutMs),
            0);
  EXPECT_EQ(message, "none");
  EXPECT_EQ(Q_popString("NEVER_USED", "none", message, 3, kWhiteboardName, kTimeoutMs), 0);
  EXPECT_EQ(message, "no");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(pop("OTHER").message, "other");
}

TEST(NamedQueuesTest, AnyTextSurvivesAndIsCutToTheBuffer) {
  TempHome home;
  const std::string_view messages[] = {
      "",
      "two\nlines",
      "cr\r\nlf",
      "back\\slash",
      "\\n is not a line break",
      "trailing\\",
      "EMAIL=a@b.example&LINE=3",
      "caf\xE9",
      "  blanks  ",
  };
  for (std::string_view message : messages) desk::pushQueueMessage("Q", message);
  for (std::string_view message : messages) {
    const Popped popped = pop("Q");
    EXPECT_EQ(popped.taken, 1);
    EXPECT_EQ(popped.message, message);
  }
  desk::pushQueueMessage("Q", "123456");
  EXPECT_EQ(pop("Q", 4).message, "123");
}

TEST(NamedQueuesTest, NamesStayInsideTheQueuesFolder) {
  TempHome home;
  desk::pushQueueMessage("../../escape", "x");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(home.folder())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"queues"});
  EXPECT_EQ(pop("../../ESCAPE").message, "x");
}

TEST(NamedQueuesTest, BusyQueueGivesTheDefaultAfterTheTimeout) {
  TempHome home;
  desk::pushQueueMessage("Q", "waiting");
  RecordingObserver observer;
  {
    const desk::FileLock held =
        desk::FileLock::acquire(desk::lockFileFor(home.folder() / "queues" / "q.queue"));
    const auto start = std::chrono::steady_clock::now();
    const Popped popped = pop("Q", 1024, 50);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(popped.taken, 0);
    EXPECT_EQ(popped.message, "");
  }
  ASSERT_EQ(observer.lines.size(), 1u);
  EXPECT_EQ(observer.lines[0].operation, "Q_popString");
  EXPECT_EQ(pop("Q").message, "waiting");
}

TEST(NamedQueuesTest, ProcessesShareQueuesWithoutLosingOrRepeatingMessages) {
  TempHome home;
  constexpr int kProcesses = 3;
  constexpr int kMessages = 20;
  std::vector<pid_t> children;
  for (int process = 0; process < kProcesses; ++process) {
    children.push_back(runInChild([process] {
      for (int i = 0; i < kMessages; ++i) {
        desk::pushQueueMessage("SHARED", std::to_string(process) + "-" + std::to_string(i));
      }
    }));
  }
  for (pid_t child : children) ASSERT_EQ(waitFor(child), 0);

  // Each child pops until the queue is empty and keeps what it took in a file of its own.
  children.clear();
  for (int process = 0; process < kProcesses; ++process) {
    children.push_back(runInChild([process, &home] {
      std::string taken;
      for (Popped popped = pop("SHARED"); popped.taken; popped = pop("SHARED")) {
        taken += popped.message + "\n";
      }
      home.write("taken" + std::to_string(process), taken);
    }));
  }
  for (pid_t child : children) ASSERT_EQ(waitFor(child), 0);

  std::vector<std::string> all;
  for (int process = 0; process < kProcesses; ++process) {
    const std::string taken = home.read("taken" + std::to_string(process));
    std::vector<int> order(kProcesses, -1);
    for (std::size_t at = 0, end; (end = taken.find('\n', at)) != std::string::npos; at = end + 1) {
      const std::string message = taken.substr(at, end - at);
      // A pusher's messages come out in the order it pushed them.
      const int pusher = message[0] - '0';
      const int index = std::stoi(message.substr(2));
      EXPECT_GT(index, order[pusher]) << message;
      order[pusher] = index;
      all.push_back(message);
    }
  }
  std::ranges::sort(all);
  EXPECT_EQ(std::ranges::unique(all).size(), 0u);
  EXPECT_EQ(all.size(), static_cast<std::size_t>(kProcesses * kMessages));
}

}  // namespace
