// What both containers report of a control and how they act on one: which parts each kind of
// control shows, the focused control's selection, and the actions that name a control or an
// entry that is not there.

#include "desk/container/AgentControls.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/window/Messages.h"

namespace desk {
namespace {

using namespace platform;

class AgentControlsTest : public testing::Test {
 protected:
  Window& add(WindowClass windowClass, int id, DWORD style, std::string text = "") {
    return dialog_.addChild(std::make_unique<Window>(windowClass, id, std::move(text),
                                                     style | WS_VISIBLE, Rect{0, 0, 80, 12}));
  }

  Window dialog_{WindowClass::Dialog, 0, "Mask", WS_VISIBLE, Rect{0, 0, 200, 100}};
};

TEST_F(AgentControlsTest, EachKindOfControlShowsItsOwnParts) {
  struct Case {
    const char* name;
    WindowClass windowClass;
    DWORD style;
    bool limit;
    bool items;
    bool selection;
  };
  // Every combo box reports its limit, a drop-down list too; only an edit part has a selection.
  const Case cases[] = {
      {"edit", WindowClass::Edit, 0, true, false, true},
      {"drop-down combo", WindowClass::ComboBox, CBS_DROPDOWN, true, true, true},
      {"drop-down list", WindowClass::ComboBox, CBS_DROPDOWNLIST, true, true, false},
      {"list box", WindowClass::ListBox, 0, false, true, false},
      {"push button", WindowClass::Button, BS_PUSHBUTTON, false, false, false},
      {"label", WindowClass::Static, SS_LEFT, false, false, false},
  };
  int id = 100;
  for (const Case& test : cases) {
    Window& control = add(test.windowClass, ++id, test.style);
    control.setTextLimit(7);
    const ControlState state = controlStateOf(control);
    EXPECT_EQ(state.limit, test.limit ? std::optional<int>(7) : std::nullopt) << test.name;
    EXPECT_EQ(state.items.has_value(), test.items) << test.name;
    EXPECT_EQ(agentSelection(control).has_value(), test.selection) << test.name;
    EXPECT_EQ(control.hasEditPart(), test.selection) << test.name;
    EXPECT_EQ(control.hasList(), test.items) << test.name;
  }
}

TEST_F(AgentControlsTest, WritesThePartsInTheDriveLinesOrder) {
  Window& check = add(WindowClass::Button, 20, BS_AUTOCHECKBOX, "Caf\xE9");
  check.setCheckState(1);
  Window& list = add(WindowClass::ComboBox, 21, CBS_DROPDOWNLIST);
  list.addEntry("A");
  list.setTextLimit(3);

  nlohmann::ordered_json checkLine{{"control", 20}};
  writeControlState(checkLine, controlStateOf(check));
  EXPECT_EQ(checkLine.dump(),
            R"({"control":20,"kind":"check","text":"Café","enabled":true,"visible":true,)"
            R"("checked":1,"color":"#000000"})");
  nlohmann::ordered_json listLine{{"control", 21}};
  writeControlState(listLine, controlStateOf(list));
  EXPECT_EQ(listLine.dump(),
            R"({"control":21,"kind":"combo","text":"","enabled":true,"visible":true,)"
            R"("items":["A"],"selected":-1,"limit":3})");
}

TEST_F(AgentControlsTest, AnActionOnAMissingControlOrEntryIsRefusedAndDoesNothing) {
  Window& list = add(WindowClass::ListBox, 14, 0);
  list.addEntry("first");
  list.addEntry("second");
  add(WindowClass::Button, 30, BS_PUSHBUTTON, "Push");

  const auto reason = [](auto action) -> std::optional<ActionError::Reason> {
    try {
      action();
    } catch (const ActionError& error) {
      return error.reason();
    }
    return std::nullopt;
  };
  using Reason = ActionError::Reason;
  // An id past the range of ids is no control, not the control its low bits name.
  EXPECT_EQ(reason([&] { dialogControl(dialog_, (1LL << 32) + 14); }), Reason::NoSuchControl);
  EXPECT_EQ(reason([&] { dialogControl(dialog_, 15); }), Reason::NoSuchControl);
  EXPECT_EQ(&dialogControl(dialog_, 14), &list);
  for (int index : {2, -2}) {
    EXPECT_EQ(reason([&] { chooseListEntry(list, index); }), Reason::DoesNotFit) << index;
  }
  EXPECT_EQ(list.currentEntry(), -1);
  EXPECT_EQ(reason([&] { chooseListEntry(*dialog_.child(30), -1); }), Reason::DoesNotFit);
  try {
    chooseListEntry(list, 5);
  } catch (const ActionError& error) {
    EXPECT_STREQ(error.what(), "control 14 has no entry 5");
  }

  chooseListEntry(list, 1);
  EXPECT_EQ(list.currentEntry(), 1);
  chooseListEntry(list, -1);
  EXPECT_EQ(list.currentEntry(), -1);
}

}  // namespace
}  // namespace desk
