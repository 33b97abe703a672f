// Typing in a mask's combo boxes: completion while typing, the match made on leaving, and the
// notification that lets the fields follow a changed selection.

#include "fields/ComboTyping.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/window/AgentInput.h"
#include "platform/window/Desktop.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

constexpr int kCombo = 41;
constexpr std::array kControls{comboAt(kCombo, 0), editAt(kEdit1, 1)};

class ComboTypingTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    freshDialog(kControls);
    for (const char* entry : {"General", "Itinerary", "Invoice"}) control(kCombo).addEntry(entry);
    control(kCombo).setCurrentEntry(0);
    dialog_->attachHandler([this](const platform::Message& message, platform::LRESULT&) {
      if (message.code == platform::WM_COMMAND &&
          platform::highWord(message.wParam) == platform::CBN_SELENDOK) {
        ++accepted_;
      }
      return fields::HandleComboTyping(message);
    });
  }
  int accepted_ = 0;
};

TEST_F(ComboTypingTest, TypingCompletesToTheFirstMatchingEntry) {
  platform::Window& combo = control(kCombo);
  combo.setText("");
  platform::typeText(combo, "i");
  EXPECT_EQ(combo.currentEntry(), 1);
  EXPECT_EQ(combo.text(), "Itinerary");
  EXPECT_EQ(combo.selection().start, 1);
  EXPECT_EQ(combo.selection().end, 9);
  EXPECT_EQ(accepted_, 1);
  // Typing goes on over the highlighted part.
  platform::typeText(combo, "NV");
  EXPECT_EQ(combo.currentEntry(), 2);
  EXPECT_EQ(combo.text(), "Invoice");
  EXPECT_EQ(combo.selection().start, 3);
  EXPECT_EQ(accepted_, 2);
}

TEST_F(ComboTypingTest, LeavingWithoutAMatchClearsTheSelection) {
  platform::Window& combo = control(kCombo);
  combo.setText("");
  platform::typeText(combo, "X");
  EXPECT_EQ(combo.text(), "X");
  platform::focusControl(control(kEdit1));
  EXPECT_EQ(combo.currentEntry(), -1);
  EXPECT_EQ(accepted_, 1);
}

TEST_F(ComboTypingTest, LeavingWithAMatchSelectsIt) {
  platform::Window& combo = control(kCombo);
  platform::focusControl(combo);
  combo.setText("gen");
  platform::focusControl(control(kEdit1));
  EXPECT_EQ(combo.currentEntry(), 0);
  EXPECT_EQ(combo.text(), "General");
  EXPECT_EQ(accepted_, 0);  // the selection did not change
}

TEST_F(ComboTypingTest, OtherControlsAreLeftAlone) {
  platform::typeText(control(kEdit1), "I");
  EXPECT_EQ(control(kEdit1).text(), "I");
  EXPECT_EQ(control(kCombo).currentEntry(), 0);
}

}  // namespace
}  // namespace module::test
