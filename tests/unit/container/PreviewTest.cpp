// The preview of Send: computed on a hidden instance in the desk's sandbox, it leaves the
// shown mask, the whiteboard file, the queues, the log, the listener and the focus as they were.

#include <gtest/gtest.h>

#include <map>

#include "desk/container/Container.h"
#include "desk/home/DeskHome.h"
#include "desk/services/NamedQueues.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/AgentInput.h"
#include "platform/window/Messages.h"
#include "tests/unit/desk/TempHome.h"

namespace desk {
namespace {

namespace fs = std::filesystem;
using platform::Window;

// Counts what reaches the front end.
class CountingFrontEnd final : public ContainerListener, public DialogAnswerer {
 public:
  void eventFired(std::string_view, const std::vector<std::string>&) override { ++reports; }
  void messageBoxShown(const MessageBoxRequest&) override { ++reports; }
  void messageBoxClosed(const MessageBoxRequest&, int) override { ++reports; }
  void modalDialogOpened(DialogKind) override { ++reports; }
  void modalDialogClosed(DialogKind, const std::optional<ModalAnswer>&) override {
    ++reports;
  }
  void shellOpened(std::string_view) override { ++reports; }
  void logged(const LogLine&) override { ++reports; }
  void requested(std::string_view) override { ++reports; }
  void callReturned(const CallResult&) override { ++reports; }
  int answerMessageBox(const MessageBoxRequest&) override {
    ++reports;
    return platform::IDOK;
  }
  std::optional<ModalAnswer> answerModalDialog(DialogKind) override {
    ++reports;
    return std::nullopt;
  }
  int reports = 0;
};

// Every file under the home with its bytes.
std::map<std::string, std::string> filesOf(const test::TempHome& home) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(home.folder())) {
    const std::string name = fs::relative(entry.path(), home.folder()).string();
    files[name] = entry.is_regular_file() ? home.read(name) : "<folder>";
  }
  return files;
}

// The state of every control of a dialog, as text.
std::string stateOf(const Window& dialog) {
  std::string state;
  for (const auto& control : dialog.children()) {
    state += std::to_string(control->id()) + "=" + control->text() + "|" +
             std::to_string(control->checkState()) + "|" + std::to_string(control->currentEntry()) +
             "|" + std::to_string(control->isEnabled()) + std::to_string(control->isVisible()) +
             "\n";
  }
  return state;
}

class PreviewTest : public testing::Test {
 protected:
  PreviewTest() { prepareHome(home_.folder()); }

  Container& open(const char* mask) {
    container_.emplace(module_, *typelib::findClass(mask), frontEnd_, frontEnd_);
    return *container_;
  }

  test::TempHome home_;
  ModuleLoader module_{ModuleLoader::defaultModulePath()};
  CountingFrontEnd frontEnd_;
  std::optional<Container> container_;
};

TEST_F(PreviewTest, FollowsTheAgentsInputWhateverTheResult) {
  WHITEBOARD_putString("User", "LANG", "KEY", kWhiteboardName);
  Container& container = open("PNRCreationFax");
  Window& dialog = container.openMask();
  const int reportsBefore = frontEnd_.reports;

  PreviewResult empty = container.preview();
  EXPECT_EQ(empty.kind, PreviewResult::Kind::Fault);
  EXPECT_EQ(empty.text, "ERR_PNR_FAXNO_NONE");
  EXPECT_EQ(empty.control, 304);

  platform::typeText(*dialog.child(304), "5551234");
  const PreviewResult typed = container.preview();
  EXPECT_EQ(typed.kind, PreviewResult::Kind::Command);
  EXPECT_EQ(typed.text, "9 5551234-F");
  EXPECT_EQ(frontEnd_.reports, reportsBefore);
}

TEST_F(PreviewTest, AHundredPreviewsLeaveTheDeskAndTheShownMaskAsTheyWere) {
  // The delete e-mail mask takes its preset from a queue when it opens, and saves on Send.
  pushQueueMessage("ID_MODIFYPNR_DELEMAIL", "linenum=4&Email=X");
  Container& container = open("PNRDeleteEmail");
  Window& dialog = container.openMask();
  pushQueueMessage("ID_MODIFYPNR_DELEMAIL", "linenum=5&Email=Y");
  platform::typeText(*dialog.child(186), "3");
  const auto files = filesOf(home_);
  const std::string shown = stateOf(dialog);
  const int reports = frontEnd_.reports;

  for (int round = 0; round < 100; ++round) {
    const PreviewResult result = container.preview();
    ASSERT_EQ(result.kind, PreviewResult::Kind::Command);
  }
  EXPECT_EQ(filesOf(home_), files);  // the whiteboard, the queue, no log file, no lock file
  EXPECT_EQ(stateOf(dialog), shown);
  EXPECT_EQ(frontEnd_.reports, reports);
  EXPECT_EQ(platform::desktop().container(), &container);
  EXPECT_EQ(observer(), &container);
}

TEST_F(PreviewTest, AHostEntryAnsweredByTheContainersHostShowsTheCommandThatFollows) {
  Container& container = open("PNRCreationFIT");
  Window& dialog = container.openMask();
  platform::typeText(*dialog.child(183), "SMITH");
  platform::typeText(*dialog.child(193), "JOHN");
  platform::typeText(*dialog.child(415), "5551234");
  const PreviewResult unanswered = container.preview();
  EXPECT_EQ(unanswered.kind, PreviewResult::Kind::Request);
  EXPECT_EQ(unanswered.text, "%%JX AIT");
  EXPECT_EQ(unanswered.then, "");

  std::vector<std::string> asked;
  container.setPreviewHost([&asked](std::string_view entry) -> std::optional<std::string> {
    asked.emplace_back(entry);
    return "<VELANO><N_AGENT><AGENCY_NAME>QUILLET TRAVEL</AGENCY_NAME>"
           "<DATA_SRC_LOCATION>1</DATA_SRC_LOCATION></N_AGENT></VELANO>";
  });
  const auto files = filesOf(home_);
  const int reports = frontEnd_.reports;
  const PreviewResult answered = container.preview();
  EXPECT_EQ(answered.kind, PreviewResult::Kind::Request);
  EXPECT_EQ(answered.text, "%%JX AIT");
  EXPECT_TRUE(answered.then.starts_with("-SMITH/JOHN")) << answered.then;
  EXPECT_EQ(asked, std::vector<std::string>{"%%JX AIT"});
  EXPECT_EQ(filesOf(home_), files);  // the answer's whiteboard writes stay in the sandbox
  EXPECT_EQ(frontEnd_.reports, reports);
}

TEST_F(PreviewTest, TheShownDialogKeepsItsFocusAndHearsNothingOfTheHiddenOne) {
  Container& container = open("PNRCreationFax");
  Window& dialog = container.openMask();
  Window& field = *dialog.child(304);
  platform::focusControl(field);
  int focusMessages = 0;
  for (const auto& control : dialog.children()) {
    control->attachHandler([&focusMessages](const platform::Message& message, platform::LRESULT&) {
      if (message.code == platform::WM_SETFOCUS || message.code == platform::WM_KILLFOCUS) {
        ++focusMessages;
      }
      return false;
    });
  }
  field.setText("");  // the fault moves the hidden instance's cursor
  EXPECT_EQ(container.preview().kind, PreviewResult::Kind::Fault);
  field.setText("5551234");
  EXPECT_EQ(container.preview().kind, PreviewResult::Kind::Command);
  EXPECT_EQ(platform::desktop().focus(), &field);
  EXPECT_EQ(focusMessages, 0);
}

TEST_F(PreviewTest, AMaskWithoutSendButtonPreviewsNothing) {
  Container& container = open("PNRModificationDivide");
  container.openMask();
  EXPECT_EQ(container.preview().kind, PreviewResult::Kind::Nothing);
}

}  // namespace
}  // namespace desk
