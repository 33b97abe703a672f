// Message routing of the window system: the chain of handlers, focus notifications, clicks on
// buttons, and posted messages.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/AgentInput.h"
#include "tests/unit/platform/TestDialog.h"

namespace platform::test {
namespace {

constexpr UINT kProbe = WM_APP + 1;

class MessagesTest : public TestDialog {};

// A handler that writes its name into the log and passes the message on (or takes it).
MessageHandler logging(std::vector<std::string>& log, std::string name, bool takes = false) {
  return [&log, name, takes](const Message& message, LRESULT& result) {
    if (message.code != kProbe) return false;
    log.push_back(name);
    result = 7;
    return takes;
  };
}

TEST_F(MessagesTest, NewestHandlerRunsFirstAndATakenMessageGoesNoFurther) {
  Window& edit = control(kPlainEdit);
  std::vector<std::string> log;
  edit.attachHandler(logging(log, "old"));
  const HandlerId middle = edit.attachHandler(logging(log, "middle", /*takes=*/true));
  edit.attachHandler(logging(log, "new"));

  EXPECT_EQ(edit.send(kProbe), 7);
  EXPECT_EQ(log, (std::vector<std::string>{"new", "middle"}));

  log.clear();
  edit.detachHandler(middle);
  EXPECT_EQ(edit.send(kProbe), 0);  // the default procedure answered
  EXPECT_EQ(log, (std::vector<std::string>{"new", "old"}));
}

TEST_F(MessagesTest, DetachingRestoresTheControlsOwnBehaviour) {
  Window& edit = control(kPlainEdit);
  const HandlerId swallow =
      edit.attachHandler([](const Message& message, LRESULT&) { return message.code == WM_CHAR; });
  typeText(edit, "a");
  EXPECT_EQ(edit.text(), "");
  edit.detachHandler(swallow);
  typeText(edit, "a");
  EXPECT_EQ(edit.text(), "a");
}

TEST_F(MessagesTest, AHandlerMayDetachItselfWhileItRuns) {
  Window& edit = control(kPlainEdit);
  std::vector<std::string> log;
  edit.attachHandler(logging(log, "old"));
  auto self = std::make_shared<HandlerId>();
  *self = edit.attachHandler([&edit, &log, self](const Message& message, LRESULT&) {
    if (message.code != kProbe) return false;
    log.push_back("once");
    edit.detachHandler(*self);
    return false;
  });

  edit.send(kProbe);
  edit.send(kProbe);
  EXPECT_EQ(log, (std::vector<std::string>{"once", "old", "old"}));
}

TEST_F(MessagesTest, FocusChangesAreToldToTheParentAsCommands) {
  struct Case {
    int id;
    int gained, lost;
  };
  const Case cases[] = {
      {kPlainEdit, EN_SETFOCUS, EN_KILLFOCUS},
      {kCombo, CBN_SETFOCUS, CBN_KILLFOCUS},
      {kList, LBN_SETFOCUS, LBN_KILLFOCUS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    focusControl(control(kPushButton));  // a push button tells nothing
    notifications_.clear();
    Window& target = control(c.id);
    focusControl(target);
    focusControl(control(kPushButton));
    const auto self = reinterpret_cast<LPARAM>(&target);
    EXPECT_EQ(notifications_,
              (std::vector<Notification>{{c.id, c.gained, self}, {c.id, c.lost, self}}));
  }
}

TEST_F(MessagesTest, MovingTheFocusTellsTheOldControlFirst) {
  focusControl(control(kUpperEdit));
  notifications_.clear();
  focusControl(control(kPlainEdit));
  ASSERT_EQ(notifications_.size(), 2u);
  EXPECT_EQ(notifications_[0].id, kUpperEdit);
  EXPECT_EQ(notifications_[0].code, EN_KILLFOCUS);
  EXPECT_EQ(notifications_[1].id, kPlainEdit);
  EXPECT_EQ(notifications_[1].code, EN_SETFOCUS);
  EXPECT_EQ(desktop().focus(), &control(kPlainEdit));
}

TEST_F(MessagesTest, ClickingAnAutoRadioChecksItAloneInItsGroup) {
  struct Step {
    int clicked;
    int a1, a2, a3, b1, b2;  // check states after the click
  };
  const Step steps[] = {
      {kRadioA2, 0, 1, 0, 0, 0}, {kRadioB2, 0, 1, 0, 0, 1},
      {kRadioA1, 1, 0, 0, 0, 1},  // the first of a group
      {kRadioA3, 0, 0, 1, 0, 1},  // the last before the next group
      {kRadioB1, 0, 0, 1, 1, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.clicked);
    click(control(step.clicked));
    EXPECT_EQ(control(kRadioA1).checkState(), step.a1);
    EXPECT_EQ(control(kRadioA2).checkState(), step.a2);
    EXPECT_EQ(control(kRadioA3).checkState(), step.a3);
    EXPECT_EQ(control(kRadioB1).checkState(), step.b1);
    EXPECT_EQ(control(kRadioB2).checkState(), step.b2);
    EXPECT_EQ(codesFrom(step.clicked).back(), BN_CLICKED);
  }
}

TEST_F(MessagesTest, ClickingAnAutoCheckBoxTogglesIt) {
  Window& box = control(kCheckBox);
  click(box);
  EXPECT_EQ(box.checkState(), 1);
  click(box);
  EXPECT_EQ(box.checkState(), 0);
  EXPECT_EQ(codesFrom(kCheckBox), (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(MessagesTest, ControlsTheAgentCannotReachIgnoreClicks) {
  struct Case {
    const char* what;
    void (*makeUnreachable)(Window& control, Window& dialog);
  };
  const Case cases[] = {
      {"disabled", [](Window& c, Window&) { c.enable(false); }},
      {"hidden", [](Window& c, Window&) { c.show(SW_HIDE); }},
      {"in a hidden dialog", [](Window&, Window& dialog) { dialog.show(SW_HIDE); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    for (int id : {kCheckBox, kRadioA2, kPushButton}) c.makeUnreachable(control(id), *dialog_);
    for (int id : {kCheckBox, kRadioA2, kPushButton}) click(control(id));
    EXPECT_EQ(control(kCheckBox).checkState(), 0);
    EXPECT_EQ(control(kRadioA2).checkState(), 0);
    EXPECT_TRUE(notifications_.empty());
  }
}

TEST_F(MessagesTest, ANotifyingStaticReportsClicksAndDoubleClicks) {
  click(control(kLabel));
  doubleClick(control(kLabel));
  const std::vector<int> codes = codesFrom(kLabel);
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.front(), STN_CLICKED);
  EXPECT_NE(std::find(codes.begin(), codes.end(), STN_DBLCLK), codes.end());
}

TEST_F(MessagesTest, PostedMessagesWaitForTheLoopAndArriveInOrder) {
  Window& first = control(kPlainEdit);
  Window& second = control(kUpperEdit);
  std::vector<std::string> log;
  auto record = [&log](std::string name) {
    return [&log, name](const Message& message, LRESULT&) {
      if (message.code >= kProbe && message.code < kProbe + 10) {
        log.push_back(name + std::to_string(message.code - kProbe));
      }
      return false;
    };
  };
  first.attachHandler(record("first"));
  second.attachHandler([&](const Message& message, LRESULT&) {
    if (message.code == kProbe) second.post(kProbe + 2);  // posted while the loop runs
    return false;
  });
  second.attachHandler(record("second"));

  first.post(kProbe);
  second.post(kProbe);
  first.post(kProbe + 1);
  EXPECT_TRUE(log.empty());
  desktop().pumpMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"first0", "second0", "first1", "second2"}));
}

TEST_F(MessagesTest, MessagesPostedToADestroyedWindowAreDropped) {
  std::vector<std::string> log;
  auto doomed = std::make_unique<Window>(WindowClass::Static, 1, "", WS_VISIBLE, Rect{});
  doomed->attachHandler(logging(log, "doomed"));
  Window& survivor = control(kPlainEdit);
  survivor.attachHandler(logging(log, "survivor"));

  doomed->post(kProbe);
  survivor.post(kProbe);
  doomed.reset();
  // A new window may take the place the old one had in memory; the old messages are not its.
  auto reborn = std::make_unique<Window>(WindowClass::Static, 1, "", WS_VISIBLE, Rect{});
  reborn->attachHandler(logging(log, "reborn"));
  desktop().pumpMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"survivor"}));
}

TEST_F(MessagesTest, AWindowDestroyedWhileTheLoopRunsGetsNoMoreMessages) {
  std::vector<std::string> log;
  auto doomed = std::make_unique<Window>(WindowClass::Static, 1, "", WS_VISIBLE, Rect{});
  doomed->attachHandler(logging(log, "doomed"));
  Window& killer = control(kPlainEdit);
  killer.attachHandler([&](const Message& message, LRESULT&) {
    if (message.code == kProbe) doomed.reset();
    return false;
  });

  killer.post(kProbe);
  doomed->post(kProbe);
  desktop().pumpMessages();
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace platform::test
