#pragma once
// A small dialog with one control of each kind the window system knows, and a handler on the
// dialog that records the command notifications and keys that reach it.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/window/Desktop.h"
#include "platform/window/DialogTemplate.h"

namespace platform::test {

enum ControlId : int {
  kUpperEdit = 10,
  kPlainEdit = 11,
  kReadOnlyEdit = 12,
  kCombo = 13,
  kList = 14,
  kCheckBox = 20,
  kRadioA1 = 21,  // first group: A1 A2 A3
  kRadioA2 = 22,
  kRadioA3 = 23,
  kRadioB1 = 24,  // second group: B1 B2
  kRadioB2 = 25,
  kPushButton = 30,
  kLabel = 40,
};

inline constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

inline constexpr std::array<ControlTemplate, 13> kTestControls{{
    {kUpperEdit, WindowClass::Edit, "", ES_UPPERCASE | ES_AUTOHSCROLL | kShown, 10, 10, 100, 12},
    {kPlainEdit, WindowClass::Edit, "", ES_AUTOHSCROLL | kShown, 10, 25, 100, 12},
    {kReadOnlyEdit, WindowClass::Edit, "", ES_READONLY | kShown, 10, 40, 100, 12},
    {kCombo, WindowClass::ComboBox, "", CBS_DROPDOWN | CBS_UPPERCASE | kShown, 10, 55, 100, 60},
    {kList, WindowClass::ListBox, "", LBS_NOTIFY | kShown, 10, 70, 100, 40},
    {kCheckBox, WindowClass::Button, "Check", BS_AUTOCHECKBOX | kShown, 120, 10, 60, 10},
    {kRadioA1, WindowClass::Button, "A1", BS_AUTORADIOBUTTON | WS_GROUP | kShown, 120, 25, 60, 10},
    {kRadioA2, WindowClass::Button, "A2", BS_AUTORADIOBUTTON | kShown, 120, 37, 60, 10},
    {kRadioA3, WindowClass::Button, "A3", BS_AUTORADIOBUTTON | kShown, 120, 49, 60, 10},
    {kRadioB1, WindowClass::Button, "B1", BS_AUTORADIOBUTTON | WS_GROUP | kShown, 120, 61, 60, 10},
    {kRadioB2, WindowClass::Button, "B2", BS_AUTORADIOBUTTON | kShown, 120, 73, 60, 10},
    {kPushButton, WindowClass::Button, "Push", BS_PUSHBUTTON | kShown, 120, 90, 50, 14},
    {kLabel, WindowClass::Static, "Label", SS_LEFT | SS_NOTIFY | kShown, 10, 120, 60, 8},
}};

inline constexpr DialogTemplate kTestDialog{
    900, "", 200, 140, WS_CHILD | DS_SETFONT, "MS Sans Serif", 8, kTestControls};

struct Notification {
  int id;
  int code;
  LPARAM control;
  friend bool operator==(const Notification&, const Notification&) = default;
};

struct KeyMessage {
  UINT code;
  WPARAM key;
  LPARAM flags;
  friend bool operator==(const KeyMessage&, const KeyMessage&) = default;
};

class TestDialog : public testing::Test {
 protected:
  void SetUp() override {
    desktop().pumpMessages();  // nothing left over from an earlier test
    dialog_ = buildDialog(kTestDialog, nullptr);
    dialog_->attachHandler([this](const Message& message, LRESULT&) {
      if (message.code == WM_COMMAND) {
        notifications_.push_back(
            {lowWord(message.wParam), highWord(message.wParam), message.lParam});
      } else if (message.code == WM_KEYDOWN || message.code == WM_SYSKEYDOWN) {
        keys_.push_back({message.code, message.wParam, message.lParam});
      }
      return false;
    });
  }
  void TearDown() override {
    dialog_.reset();
    desktop().pumpMessages();
  }

  Window& control(int id) {
    Window* found = dialog_->child(id);
    EXPECT_NE(found, nullptr) << "control " << id;
    return *found;
  }
  // The notifications of one control, in order.
  std::vector<int> codesFrom(int id) const {
    std::vector<int> codes;
    for (const Notification& n : notifications_) {
      if (n.id == id) codes.push_back(n.code);
    }
    return codes;
  }

  std::unique_ptr<Window> dialog_;
  std::vector<Notification> notifications_;
  std::vector<KeyMessage> keys_;
};

}  // namespace platform::test
