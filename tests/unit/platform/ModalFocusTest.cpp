// Message boxes and modal dialogs take the keyboard focus while the container shows them and
// give it back to the control that had it.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/unit/platform/TestDialog.h"

namespace platform::test {
namespace {

// Records where the focus was while a box or dialog was shown.
class FocusRecordingContainer : public ContainerServices {
 public:
  int messageBox(Window*, std::string_view, std::string_view, UINT) override {
    focusWhileShown.push_back(desktop().focus());
    return IDOK;
  }
  std::optional<std::vector<std::string>> modalDialog(std::string_view, Window*) override {
    focusWhileShown.push_back(desktop().focus());
    return std::vector<std::string>{"answer"};
  }
  void shellOpen(std::string_view) override {}

  std::vector<Window*> focusWhileShown;
};

class ModalFocusTest : public TestDialog {
 protected:
  void SetUp() override {
    TestDialog::SetUp();
    desktop().setContainer(&container_);
  }
  void TearDown() override {
    desktop().setContainer(nullptr);
    desktop().setFocus(nullptr);
    TestDialog::TearDown();
  }

  FocusRecordingContainer container_;
};

TEST_F(ModalFocusTest, TheFocusedControlLosesTheFocusWhileShownAndGetsItBack) {
  Window& edit = control(kPlainEdit);
  desktop().setFocus(&edit);
  notifications_.clear();
  EXPECT_EQ(messageBox(dialog_.get(), "text", "caption", MB_ICONHAND), IDOK);
  EXPECT_EQ(modalDialog("calendar", dialog_.get()), std::vector<std::string>{"answer"});
  EXPECT_EQ(container_.focusWhileShown, (std::vector<Window*>{nullptr, nullptr}));
  EXPECT_EQ(desktop().focus(), &edit);
  EXPECT_EQ(codesFrom(kPlainEdit),
            (std::vector<int>{EN_KILLFOCUS, EN_SETFOCUS, EN_KILLFOCUS, EN_SETFOCUS}));
}

TEST_F(ModalFocusTest, NoFocusBeforeNoFocusAfter) {
  ASSERT_EQ(desktop().focus(), nullptr);
  messageBox(dialog_.get(), "text", "caption", MB_ICONHAND);
  EXPECT_EQ(desktop().focus(), nullptr);
  EXPECT_TRUE(notifications_.empty());
}

TEST_F(ModalFocusTest, AWindowDestroyedMeanwhileGetsNothing) {
  struct Destroying : FocusRecordingContainer {
    int messageBox(Window*, std::string_view, std::string_view, UINT) override {
      doomed.reset();
      return IDOK;
    }
    std::unique_ptr<Window> doomed =
        std::make_unique<Window>(WindowClass::Edit, 99, "", WS_VISIBLE, Rect{0, 0, 10, 10});
  } destroying;
  desktop().setContainer(&destroying);
  desktop().setFocus(destroying.doomed.get());
  messageBox(dialog_.get(), "text", "caption", MB_ICONHAND);
  EXPECT_EQ(desktop().focus(), nullptr);
}

}  // namespace
}  // namespace platform::test
