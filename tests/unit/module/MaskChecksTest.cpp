// The template's check operations, which report their fault and put the focus on the control,
// and its whiteboard operations over an open section.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "framework/MaskState.h"
#include "framework/TorvanMaskT.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using framework::TorvanMaskBase;

constexpr std::string_view kCaption = "Test Caption";
constexpr std::string_view kFault = "ERR_TEST";

class MaskChecksTest : public FieldTest {
 protected:
  TorvanMaskBase mask_{"TestMask"};
};

TEST_F(MaskChecksTest, ChecksPassOrReportTheirFaultOnTheControl) {
  using Check = int (*)(const TorvanMaskBase&, platform::Window&);
  struct Case {
    const char* name;
    Check check;
    std::string_view text;
    bool passes;
  };
  const Check mandatory = [](const TorvanMaskBase& mask, platform::Window& dialog) {
    return mask.CheckMandatory(dialog, kEdit2, kCaption, kFault);
  };
  const Check minLength3 = [](const TorvanMaskBase& mask, platform::Window& dialog) {
    return mask.CheckMinLength(dialog, kEdit2, kCaption, kFault, 3);
  };
  const Check alphanumericBlankDash = [](const TorvanMaskBase& mask, platform::Window& dialog) {
    return mask.CheckAlphanumericEx(dialog, kEdit2, kCaption, kFault, " -");
  };
  const Check numericDash = [](const TorvanMaskBase& mask, platform::Window& dialog) {
    return mask.CheckNumericEx(dialog, kEdit2, kCaption, kFault, "-");
  };
  const Case cases[] = {
      {"mandatory text", mandatory, " A ", true},
      {"mandatory blanks only", mandatory, "   ", false},
      {"mandatory empty", mandatory, "", false},
      // The minimum counts the text as typed, blanks included.
      {"three with blanks", minLength3, "  A", true},
      {"two characters", minLength3, "AB", false},
      {"alphanumeric with extras", alphanumericBlankDash, "AB 12-3", true},
      {"alphanumeric with another character", alphanumericBlankDash, "AB/12", false},
      {"numeric with extra", numericDash, "123-45", true},
      {"numeric with a letter", numericDash, "12A", false},
      {"numeric with a blank not allowed", numericDash, "12 3", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    freshDialog();
    control(kEdit2).setText(c.text);
    platform::desktop().setFocus(&control(kEdit1));
    const int result = c.check(mask_, *dialog_);
    if (c.passes) {
      EXPECT_EQ(result, 1);
      EXPECT_TRUE(container_.boxes.empty());
      EXPECT_EQ(platform::desktop().focus(), &control(kEdit1));
    } else {
      EXPECT_EQ(result, 0);
      expectReported(kFault, kEdit2, kCaption);
    }
  }
}

TEST_F(MaskChecksTest, FieldEmptyTrimsAndReportsNothing) {
  for (const auto& [text, empty] : {std::pair{"", 1}, {" \t ", 1}, {" A", 0}}) {
    control(kEdit1).setText(text);
    EXPECT_EQ(mask_.IsFieldEmpty(*dialog_, kEdit1), empty) << '"' << text << '"';
  }
  EXPECT_TRUE(container_.boxes.empty());
}

class MaskWhiteboardTest : public MaskChecksTest {
 protected:
  static constexpr int kCombo = 40;

  void SetUp() override {
    MaskChecksTest::SetUp();
    freshDialog(controls_);
    for (std::intptr_t data : {5, 7, 9, 7})
      control(kCombo).addEntry("E" + std::to_string(data), data);
    framework::openWhiteboardSection(profile_, "MASK.TEST");
  }
  std::optional<std::string> stored(std::string_view key) {
    profile_.setKeyName(key);
    std::string value;
    if (profile_.getValue(value, "", 1024) == 0) return std::nullopt;
    return value;
  }
  void store(std::string_view key, std::string_view value) {
    profile_.setKeyName(key);
    profile_.setValue(value);
  }

  std::array<platform::ControlTemplate, 2> controls_{editAt(kEdit1, 0), comboAt(kCombo, 1)};
  CTorvanProfile profile_;
};

TEST_F(MaskWhiteboardTest, ItemTextIsSavedAsTypedAndAKeyClearedToTheEmptyText) {
  control(kEdit1).setText(" LEE/ANN ");
  mask_.SaveItemText(*dialog_, kEdit1, "NAME", profile_);
  EXPECT_EQ(stored("NAME"), " LEE/ANN ");
  mask_.ClearItemKey("NAME", profile_);
  EXPECT_EQ(stored("NAME"), "");
}

TEST_F(MaskWhiteboardTest, ComboSelectionIsRestoredByItemData) {
  struct Case {
    const char* name;
    std::optional<std::string_view> value;
    int expected;
  };
  const Case cases[] = {
      {"the entry with the data", "9", 2},
      {"the last of two matches", "7", 3},
      {"no entry matches: the selection stays", "8", 1},
      {"the key absent: the first entry", std::nullopt, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    control(kCombo).setCurrentEntry(1);
    const std::string key = c.value ? "CHOICE" : "NEVER_WRITTEN";
    if (c.value) store(key, *c.value);
    mask_.RestoreComboSelection(control(kCombo), key, profile_);
    EXPECT_EQ(control(kCombo).currentEntry(), c.expected);
  }
}

}  // namespace
}  // namespace module::test
