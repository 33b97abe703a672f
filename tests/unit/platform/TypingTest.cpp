// Typing into edits and combo boxes, the selection an edit keeps, and the agent's keys.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/window/AgentInput.h"
#include "tests/unit/platform/TestDialog.h"

namespace platform::test {
namespace {

class TypingTest : public TestDialog {};

TEST_F(TypingTest, TypedCharactersFollowTheControlsRules) {
  struct Case {
    const char* what;
    int id;
    std::string initial;
    std::optional<TextSelection> selection;  // none: the caret after the initial text
    int limit;                               // 0: the largest limit
    std::string typed;
    std::string expected;
  };
  const Case cases[] = {
      {"upper-case edit raises ASCII letters", kUpperEdit, "", {}, 0, "ab1-z", "AB1-Z"},
      // Latin-1 letters are raised too; the division sign, y-diaeresis and sharp s have no
      // upper case of their own in Latin-1.
      {"upper-case edit raises Latin-1 letters",
       kUpperEdit,
       "",
       {},
       0,
       "\xE0\xE9\xFE\xF7\xFF\xDF",
       "\xC0\xC9\xDE\xF7\xFF\xDF"},
      {"upper-case combo raises letters", kCombo, "", {}, 0, "ams\xE4", "AMS\xC4"},
      {"plain edit keeps the case", kPlainEdit, "", {}, 0, "ab\xE9", "ab\xE9"},
      {"text limit refuses characters past it", kUpperEdit, "", {}, 3, "abcd", "ABC"},
      {"a full edit takes nothing more", kPlainEdit, "abc", {}, 3, "d", "abc"},
      {"a full edit takes a character that replaces a selection",
       kPlainEdit,
       "abc",
       {{1, 2}},
       3,
       "x",
       "axc"},
      {"typing replaces the selection", kUpperEdit, "HELLO", {{1, 3}}, 0, "x", "HXLO"},
      {"typing inserts at the caret", kPlainEdit, "ac", {{1, 1}}, 0, "b", "abc"},
      {"read-only edit takes nothing", kReadOnlyEdit, "ABC", {}, 0, "x\b", "ABC"},
      {"backspace removes the character before the caret", kPlainEdit, "abc", {}, 0, "\b", "ab"},
      {"backspace removes the selection", kPlainEdit, "abc", {{0, 2}}, 0, "\b", "c"},
      {"backspace at the start does nothing", kPlainEdit, "abc", {{0, 0}}, 0, "\b", "abc"},
      {"backspace, then typing", kUpperEdit, "AB", {}, 0, "\b\bxy", "XY"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Window& edit = control(c.id);
    edit.setText(c.initial);
    edit.setTextLimit(c.limit);
    if (c.selection) edit.setSelection(c.selection->start, c.selection->end);
    typeText(edit, c.typed);
    EXPECT_EQ(edit.text(), c.expected);
  }
}

TEST_F(TypingTest, TheCaretFollowsTheTypedText) {
  Window& edit = control(kPlainEdit);
  edit.setText("HELLO");
  edit.setSelection(1, 3);
  typeText(edit, "xy");
  EXPECT_EQ(edit.text(), "HxyLO");
  EXPECT_EQ(edit.selection().start, 3);
  EXPECT_EQ(edit.selection().end, 3);
}

TEST_F(TypingTest, SetTextIgnoresTheTextLimit) {
  Window& edit = control(kUpperEdit);
  edit.setTextLimit(2);
  edit.setText("abcdef");
  EXPECT_EQ(edit.text(), "abcdef");
}

TEST_F(TypingTest, ControlsTheAgentCannotReachTakeNothing) {
  struct Case {
    const char* what;
    void (*makeUnreachable)(Window& edit, Window& dialog);
  };
  const Case cases[] = {
      {"disabled", [](Window& edit, Window&) { edit.enable(false); }},
      {"hidden", [](Window& edit, Window&) { edit.show(SW_HIDE); }},
      {"in a hidden dialog", [](Window&, Window& dialog) { dialog.show(SW_HIDE); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    Window& edit = control(kPlainEdit);
    edit.setText("abc");
    c.makeUnreachable(edit, *dialog_);
    typeText(edit, "x");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_NE(desktop().focus(), &edit);
  }
}

// A disabled window takes no keys: neither the control nor its dialog sees one, and no
// character is typed.
TEST_F(TypingTest, KeysForADisabledWindowGoNowhere) {
  struct Case {
    const char* what;
    void (*disable)(Window& edit, Window& dialog);
    bool focused;  // the edit has the focus; otherwise no window has it
  };
  const Case cases[] = {
      {"disabled control", [](Window& edit, Window&) { edit.enable(false); }, true},
      {"control of a disabled dialog", [](Window&, Window& dialog) { dialog.enable(false); }, true},
      {"disabled dialog without a focus", [](Window&, Window& dialog) { dialog.enable(false); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    Window& edit = control(kPlainEdit);
    edit.setText("abc");
    focusControl(edit);
    if (!c.focused) desktop().setFocus(nullptr);
    c.disable(edit, *dialog_);
    for (Key key : {Key::Enter, Key::AltUp, Key::F1, Key::Space, Key::Backspace, Key::Escape}) {
      pressKey(key, dialog_.get());
    }
    EXPECT_TRUE(keys_.empty());
    EXPECT_EQ(edit.text(), "abc");
  }
}

TEST_F(TypingTest, ADisabledWindowCannotTakeTheFocus) {
  Window& focused = control(kUpperEdit);
  focusControl(focused);
  control(kPlainEdit).enable(false);
  focusControl(control(kPlainEdit));
  EXPECT_EQ(desktop().focus(), &focused);
  dialog_->enable(false);
  focusControl(control(kCombo));
  EXPECT_EQ(desktop().focus(), &focused);
  dialog_->enable(true);
  focusControl(control(kCombo));
  EXPECT_EQ(desktop().focus(), &control(kCombo));
}

TEST_F(TypingTest, TypingTellsTheDialogOfEachChange) {
  typeText(control(kPlainEdit), "ab");
  typeText(control(kCombo), "c");
  EXPECT_EQ(codesFrom(kPlainEdit),
            (std::vector<int>{EN_SETFOCUS, EN_CHANGE, EN_CHANGE, EN_KILLFOCUS}));
  EXPECT_EQ(codesFrom(kCombo), (std::vector<int>{CBN_SETFOCUS, CBN_EDITCHANGE}));
}

TEST_F(TypingTest, BackspaceKeyErasesInTheFocusedEdit) {
  Window& edit = control(kPlainEdit);
  typeText(edit, "abc");
  pressKey(Key::Backspace);
  EXPECT_EQ(edit.text(), "ab");
}

TEST_F(TypingTest, SetSelectionClampsToTheText) {
  struct Case {
    int start, end;
    TextSelection expected;
  };
  const Case cases[] = {
      {0, -1, {0, 5}},                  // all
      {1, 3, {1, 3}},  {3, 1, {1, 3}},  // given backwards
      {2, 99, {2, 5}},                  // end past the text
      {-7, 2, {0, 2}},                  // start before the text
      {7, 9, {5, 5}},                   // wholly past the text
      {4, -1, {4, 5}},                  // to the end
  };
  Window& edit = control(kPlainEdit);
  edit.setText("HELLO");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << "," << c.end);
    edit.setSelection(c.start, c.end);
    EXPECT_EQ(edit.selection().start, c.expected.start);
    EXPECT_EQ(edit.selection().end, c.expected.end);
  }
}

TEST_F(TypingTest, StartOfMinusOneRemovesTheSelection) {
  Window& edit = control(kPlainEdit);
  edit.setText("HELLO");
  edit.setSelection(1, 3);
  edit.setSelection(-1, 0);
  EXPECT_EQ(edit.selection().start, edit.selection().end);
  typeText(edit, "x");  // nothing selected: the text is only added to
  EXPECT_EQ(edit.text().size(), 6u);
}

TEST_F(TypingTest, KeysNobodyTakesBubbleFromTheControlToItsDialog) {
  Window& edit = control(kUpperEdit);
  typeText(edit, "ab");
  pressKey(Key::Enter);
  pressKey(Key::AltUp);
  EXPECT_EQ(keys_, (std::vector<KeyMessage>{{WM_KEYDOWN, VK_RETURN, 0},
                                            {WM_SYSKEYDOWN, VK_UP, KF_ALTDOWN_LPARAM}}));
  EXPECT_EQ(edit.text(), "AB");  // Enter types nothing into a single-line edit
}

TEST_F(TypingTest, AKeyTheControlTakesStaysThere) {
  Window& edit = control(kPlainEdit);
  edit.attachHandler([](const Message& message, LRESULT&) { return message.code == WM_KEYDOWN; });
  focusControl(edit);
  pressKey(Key::F1);
  EXPECT_TRUE(keys_.empty());
}

}  // namespace
}  // namespace platform::test
