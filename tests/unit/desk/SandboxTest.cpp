// The desk services inside a sandbox: what the code in it sees, and that nothing of it
// reaches the files, the queues, the log or the observer.

#include "desk/services/Sandbox.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <thread>

#include "desk/services/NamedQueues.h"
#include "desk/services/Whiteboard.h"
#include "framework/services/CPnr.h"
#include "framework/services/CTorvanLog.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::TempHome;

std::string whiteboardValue(std::string_view key) {
  std::string value;
  WHITEBOARD_getString("MASK", key, "none", value, 1024, kWhiteboardName);
  return value;
}

std::string popped(std::string_view queue) {
  std::string message;
  return Q_popString(queue, "", message, 1024, kWhiteboardName, 1000) ? message : "empty";
}

// Every file under the home, with its content.
std::map<std::string, std::string> filesOf(const TempHome& home) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(home.folder())) {
    const std::string name = fs::relative(entry.path(), home.folder()).string();
    files[name] = entry.is_regular_file() ? home.read(name) : "<folder>";
  }
  return files;
}

class RequestObserver final : public desk::test::RecordingObserver {
 public:
  void onRequest(std::string_view name) override { requests.emplace_back(name); }
  std::vector<std::string> requests;
};

TEST(SandboxTest, WritesReadsAndPopsStayInsideAndAreDroppedAfterwards) {
  TempHome home;
  home.write("VLwhiteboard.ini", "[MASK]\nFAX=5551234\n");
  desk::pushQueueMessage("PRESET", "first");
  desk::pushQueueMessage("PRESET", "second");
  RequestObserver observer;
  const auto before = filesOf(home);
  {
    desk::Sandbox sandbox;
    EXPECT_EQ(desk::Sandbox::active(), &sandbox);
    WHITEBOARD_putString("MASK", "FAX", "5559876", kWhiteboardName);
    WHITEBOARD_putString("MASK", "NEW", "1", kWhiteboardName);
    {
      CTorvanProfile profile;
      profile.setIniFile("VLwhiteboard.ini");
      profile.setSectionName("MASK");
      profile.setKeyName("BATCHED");
      const CTorvanProfile::Batch batch(profile);
      profile.setValue("yes");
    }
    EXPECT_EQ(whiteboardValue("FAX"), "5559876");
    EXPECT_EQ(whiteboardValue("NEW"), "1");
    EXPECT_EQ(whiteboardValue("BATCHED"), "yes");
    EXPECT_EQ(desk::whiteboardSection("MASK").size(), 3u);

    // Pops hand the messages out in order and leave them in the queue; a push reaches no one.
    desk::pushQueueMessage("PRESET", "pushed");
    desk::pushQueueMessage("OTHER", "pushed");
    EXPECT_EQ(popped("preset"), "first");
    EXPECT_EQ(popped("PRESET"), "second");
    EXPECT_EQ(popped("PRESET"), "empty");
    EXPECT_EQ(popped("OTHER"), "empty");

    CTorvanLog().error("Mask", "Send", 1, "not for the log");
    CTorvanLog().diagnostic("Mask", "Send", 0, 100, __LINE__, "Host Command %s", "9 1-F");
    CPnr().askForPAX();
    EXPECT_EQ(sandbox.requests(), std::vector<std::string>{"askForPAX"});
    // A second sandbox on the same thread would share the first's layer.
    EXPECT_THROW(desk::Sandbox(), std::logic_error);
  }
  EXPECT_EQ(desk::Sandbox::active(), nullptr);
  EXPECT_EQ(filesOf(home), before);  // no file written, replaced, locked or logged to
  EXPECT_TRUE(observer.lines.empty());
  EXPECT_TRUE(observer.requests.empty());
  EXPECT_EQ(whiteboardValue("FAX"), "5551234");
  EXPECT_EQ(whiteboardValue("NEW"), "none");
  EXPECT_EQ(popped("PRESET"), "first");

  // A new sandbox starts from the real state again.
  desk::Sandbox next;
  EXPECT_EQ(whiteboardValue("NEW"), "none");
  EXPECT_EQ(popped("PRESET"), "second");
}

TEST(SandboxTest, OtherThreadsSeeTheDeskAsItIs) {
  TempHome home;
  const desk::Sandbox sandbox;
  WHITEBOARD_putString("MASK", "FAX", "inside", kWhiteboardName);
  std::string outside;
  std::thread([&outside] {
    WHITEBOARD_putString("MASK", "OTHER", "written", kWhiteboardName);
    outside = whiteboardValue("FAX");
  }).join();
  EXPECT_EQ(outside, "none");
  EXPECT_NE(home.read("VLwhiteboard.ini").find("OTHER=written"), std::string::npos);
}

}  // namespace
