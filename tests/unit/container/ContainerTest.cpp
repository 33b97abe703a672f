// The container core hosting a real mask of the built module: what it tells its listener and
// asks its answerer, with texts in UTF-8 on the front end's side and Latin-1 on the mask's.

#include "desk/container/Container.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "desk/controls/PickerControls.h"
#include "desk/home/DeskHome.h"
#include "platform/com/OutsideControls.h"
#include "desk/services/IniStore.h"
#include "platform/window/AgentInput.h"
#include "platform/window/Messages.h"
#include "tests/unit/desk/TempHome.h"

namespace desk {
namespace {

// Writes each report as one line of text, in order.
class RecordingListener final : public ContainerListener {
 public:
  void eventFired(std::string_view name, const std::vector<std::string>& arguments) override {
    add("event " + std::string(name) + " " + std::to_string(arguments.size()));
  }
  void messageBoxShown(const MessageBoxRequest& box) override {
    add("box " + box.text + "|" + box.caption + "|" + std::to_string(box.style));
  }
  void messageBoxClosed(const MessageBoxRequest& box, int button) override {
    add("box closed " + box.text + " " + std::to_string(button));
  }
  void modalDialogOpened(DialogKind kind) override {
    add("dialog " + std::string(dialogKindName(kind)));
  }
  void modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) override {
    add("dialog closed " + std::string(dialogKindName(kind)) +
        (!answer             ? " unanswered"
         : answer->cancelled ? " cancelled"
                             : " answered"));
  }
  void shellOpened(std::string_view target) override { add("open " + std::string(target)); }
  void logged(const LogLine& line) override {
    add("log " + line.module + "|" + line.operation + "|" + line.text);
  }
  void requested(std::string_view name) override { add("request " + std::string(name)); }
  void callReturned(const CallResult& call) override {
    add("call " + call.member + " " + hresultToString(call.result) +
        (call.value ? " " + *call.value : ""));
  }

  std::vector<std::string> lines;

 private:
  void add(std::string line) { lines.push_back(std::move(line)); }
};

class QueuedAnswerer final : public DialogAnswerer {
 public:
  int answerMessageBox(const MessageBoxRequest& box) override {
    boxes.push_back(box.text);
    return platform::IDCANCEL;
  }
  std::optional<ModalAnswer> answerModalDialog(DialogKind) override {
    if (answers.empty()) return std::nullopt;
    ModalAnswer next = answers.front();
    answers.pop_front();
    return next;
  }

  std::vector<std::string> boxes;
  std::deque<ModalAnswer> answers;
};

class ContainerTest : public testing::Test {
 protected:
  ContainerTest() { prepareHome(home_.folder()); }

  test::TempHome home_;
  ModuleLoader module_{ModuleLoader::defaultModulePath()};
  RecordingListener listener_;
  QueuedAnswerer answerer_;
};

TEST_F(ContainerTest, IsTheDesktopsContainerAndObserverWhileItLives) {
  {
    Container container(module_, *typelib::findClass("PNRCreationFax"), listener_, answerer_);
    EXPECT_EQ(platform::desktop().container(), &container);
    EXPECT_EQ(observer(), &container);
  }
  EXPECT_EQ(platform::desktop().container(), nullptr);
  EXPECT_EQ(observer(), nullptr);
}

TEST_F(ContainerTest, ReportsWhatTheMaskAsksAndAnswersFromTheAnswerer) {
  Container container(module_, *typelib::findClass("PNRCreationFax"), listener_, answerer_);
  answerer_.answers = {{false, {"\xC3\xA9t\xC3\xA9", "2"}}, {true, {}}};
  EXPECT_EQ(container.messageBox(nullptr, "caf\xE9", "Fax", platform::MB_ICONHAND),
            platform::IDCANCEL);
  EXPECT_EQ(container.modalDialog("coder", nullptr), (std::vector<std::string>{"\xE9t\xE9", "2"}));
  EXPECT_EQ(container.modalDialog("calendar", nullptr), std::nullopt);
  EXPECT_EQ(container.modalDialog("ffp", nullptr), std::nullopt);
  container.shellOpen("help\\caf\xE9.htm");
  container.onLog("Fax", "Send", "\xC0 faire");
  container.onRequest("askForPAX");
  EXPECT_EQ(answerer_.boxes, std::vector<std::string>{"caf\xC3\xA9"});
  EXPECT_EQ(listener_.lines, (std::vector<std::string>{
                                 "box caf\xC3\xA9|Fax|16",
                                 "box closed caf\xC3\xA9 2",
                                 "dialog coder",
                                 "dialog closed coder answered",
                                 "dialog calendar",
                                 "dialog closed calendar cancelled",
                                 "dialog ffp",
                                 "dialog closed ffp unanswered",
                                 "open help\\caf\xC3\xA9.htm",
                                 "log Fax|Send|\xC3\x80 faire",
                                 "request askForPAX",
                             }));
}

// Answers the pickers from its queue and notes what code table the open lookup shows.
class PickerAnswerer final : public DialogAnswerer {
 public:
  int answerMessageBox(const MessageBoxRequest&) override { return platform::IDOK; }
  std::optional<ModalAnswer> answerModalDialog(DialogKind) override {
    const CodeList* table = container->openCodeTable();
    tablesShown.push_back(table != nullptr ? table->path() : "none");
    ModalAnswer next = answers.front();
    answers.pop_front();
    return next;
  }
  Container* container = nullptr;
  std::deque<ModalAnswer> answers;
  std::vector<std::string> tablesShown;
};

TEST_F(ContainerTest, AnswersPickersThroughTheirControls) {
  PickerAnswerer answerer;
  Container container(module_, *typelib::findClass("PNRRetrieval"), listener_, answerer);
  answerer.container = &container;
  platform::Window dialog(platform::WindowClass::Dialog, 179, "Month", 0, {});

  ComPtr<IDispatch> month = platform::createOutsideControl(kMonthControlClass);
  ASSERT_TRUE(month);
  answerer.answers = {{false, {"5", "3", "2026"}}, {false, {"30", "2", "2026"}}, {true, {}}};
  container.runPicker("calendar", dialog, *month.get());
  EXPECT_EQ(MonthControl::of(*month.get())->chosen(), (CalendarDate{5, 3, 2026}));
  container.runPicker("calendar", dialog, *month.get());  // no such day: cancelled
  container.runPicker("calendar", dialog, *month.get());
  EXPECT_EQ(MonthControl::of(*month.get())->chosen(), (CalendarDate{5, 3, 2026}));

  home_.write("coder/city.xml", "<Coder><T><C>SIN</C><D>Singapore</D></T></Coder>");
  ComPtr<IDispatch> coder = platform::createOutsideControl(kCoderControlClass);
  CoderControl::of(*coder.get())->setTable("coder/city.xml");
  answerer.answers = {{false, {"SIN", "Singapore"}}};
  container.runPicker("coder", dialog, *coder.get());
  EXPECT_EQ(container.openCodeTable(), nullptr) << "no lookup is open any more";
  EXPECT_EQ(answerer.tablesShown,
            (std::vector<std::string>{"none", "none", "none", "coder/city.xml"}));
  EXPECT_EQ(listener_.lines.back(), "dialog closed coder answered");
}

TEST_F(ContainerTest, ReportsTheResultsOfItsCalls) {
  Container container(module_, *typelib::findClass("PNRCreationFax"), listener_, answerer_);
  container.putLang("EN1");
  EXPECT_EQ(container.getLang(), "EN1");
  container.call("noSuchMember", {""});
  EXPECT_EQ(listener_.lines,
            (std::vector<std::string>{"call Lang 0x00000000", "call Lang 0x00000000 EN1",
                                      "call noSuchMember 0x80020006"}));
}

TEST_F(ContainerTest, OpensAndReleasesTheMaskAndCreatesItAnew) {
  Container container(module_, *typelib::findClass("PNRCreationFax"), listener_, answerer_);
  platform::Window& dialog = container.openMask();
  EXPECT_NE(dialog.child(304), nullptr);
  EXPECT_EQ(&container.openMask(), &dialog);
  container.releaseMask();
  EXPECT_EQ(container.mask().window(), nullptr);
  EXPECT_NE(container.openMask().child(304), nullptr);
}

TEST_F(ContainerTest, HelpAddressReachesTheListenerAsItIsAndIsNeverRunByAShell) {
  // Each line would leave a file in the working folder if a command interpreter saw it.
  const std::string address =
      "http://help/?a=1;touch pwned1&b=$(touch pwned2)`touch pwned3`|touch pwned4 "
      "'\"\\>pwned5<x";
  const IniChange help{"CPNRCreationFax", "HELP_EN_URL", address};
  updateIniFile(home_.folder() / "TorvanMain.ini", {&help, 1});
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(home_.folder());

  Container container(module_, *typelib::findClass("PNRCreationFax"), listener_, answerer_);
  platform::click(*container.openMask().child(435));

  std::filesystem::current_path(before);
  EXPECT_NE(std::find(listener_.lines.begin(), listener_.lines.end(), "open " + address),
            listener_.lines.end());
  for (const auto& entry : std::filesystem::directory_iterator(home_.folder())) {
    EXPECT_EQ(entry.path().filename().string().find("pwned"), std::string::npos);
  }
}

}  // namespace
}  // namespace desk
