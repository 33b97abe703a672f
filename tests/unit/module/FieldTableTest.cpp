// The field table and the fields of one control: what each keeps on the whiteboard, the
// order of saving, the save options, and rules run at their place when loading and clearing.

#include "framework/FieldTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "desk/services/Whiteboard.h"
#include "fields/ControlFields.h"
#include "framework/MaskState.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using fields::CFieldCheck;
using fields::CFieldList;
using fields::CFieldText;
using framework::FieldTable;

constexpr std::string_view kSection = "TEST.TABLE";
constexpr int kBox = 40, kList = 41, kEdit = 42, kOtherEdit = 43;
constexpr std::array<platform::ControlTemplate, 4> kControls{
    checkBoxAt(kBox, 0), comboAt(kList, 1), editAt(kEdit, 2), editAt(kOtherEdit, 3)};

class FieldTableTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    freshDialog(kControls);
    framework::openWhiteboardSection(profile_, kSection);
  }

  void store(std::string_view key, std::string_view value) {
    profile_.setKeyName(key);
    profile_.setValue(value);
  }
  std::optional<std::string> stored(std::string_view key) {
    for (const auto& [name, value] : desk::whiteboardSection(kSection)) {
      if (name == key) return value;
    }
    return std::nullopt;
  }
  std::vector<std::pair<std::string, std::string>> section() const {
    return desk::whiteboardSection(kSection);
  }
  void fillList() {
    for (const std::intptr_t data : {5, 7, 9}) {
      control(kList).addEntry("ENTRY " + std::to_string(data), data);
    }
  }

  CTorvanProfile profile_;
};

TEST_F(FieldTableTest, CheckFieldKeepsOneOrZero) {
  CFieldCheck box;
  box.Create(*dialog_, kBox);
  for (const bool checked : {true, false}) {
    box.SetChecked(checked);
    box.Save(profile_, "BOX");
    EXPECT_EQ(stored("BOX"), checked ? "1" : "0");
  }
  struct Case {
    std::optional<std::string_view> stored;
    bool checked;
  };
  for (const Case& each : {Case{"1", true}, Case{"0", false}, Case{"true", false},
                           Case{" 1", false}, Case{std::nullopt, false}}) {
    box.SetChecked(!each.checked);
    if (each.stored) store("LOADED", *each.stored);
    box.Load(profile_, each.stored ? "LOADED" : "ABSENT");
    EXPECT_EQ(box.IsChecked(), each.checked) << each.stored.value_or("(absent)");
  }

  box.SetChecked(true);
  box.Clear();
  EXPECT_FALSE(box.IsChecked());
  CFieldCheck checkedWhenCleared;
  checkedWhenCleared.Create(*dialog_, kBox, true);
  checkedWhenCleared.Clear();
  EXPECT_TRUE(checkedWhenCleared.IsChecked());
}

TEST_F(FieldTableTest, ListFieldKeepsTheSelectedItemData) {
  fillList();
  CFieldList list;
  list.Create(*dialog_, kList);
  control(kList).setCurrentEntry(1);
  list.Save(profile_, "LIST");
  EXPECT_EQ(stored("LIST"), "7");
  control(kList).setCurrentEntry(-1);
  list.Save(profile_, "LIST");
  EXPECT_EQ(stored("LIST"), "-1") << "no selection";

  struct Case {
    std::optional<std::string_view> stored;
    int selectedBefore;
    int selectedAfter;
  };
  for (const Case& each :
       {Case{"9", 0, 2}, Case{"7 and more", 0, 1}, Case{"4", 1, 1}, Case{std::nullopt, 2, 0}}) {
    control(kList).setCurrentEntry(each.selectedBefore);
    if (each.stored) store("LOADED", *each.stored);
    list.Load(profile_, each.stored ? "LOADED" : "ABSENT");
    EXPECT_EQ(control(kList).currentEntry(), each.selectedAfter)
        << each.stored.value_or("(absent)");
  }

  control(kList).setCurrentEntry(2);
  list.Clear();
  EXPECT_EQ(list.Selected(), 5);
}

TEST_F(FieldTableTest, ControlsTheDialogLacksReadAsEmpty) {
  CFieldCheck box;
  CFieldList list;
  CFieldText text;
  box.Create(*dialog_, 98);
  list.Create(*dialog_, 98);
  text.Create(*dialog_, 98);
  box.SetChecked(true);
  text.SetText("LOST");
  EXPECT_FALSE(box.IsChecked());
  EXPECT_EQ(list.Selected(), std::nullopt);
  EXPECT_EQ(text.GetText(), "");
  store("LIST", "5");
  list.Load(profile_, "LIST");
  list.Save(profile_, "LIST");
  EXPECT_EQ(stored("LIST"), "-1");
}

// A field of two values, as a passenger name keeps its surname and given name.
struct PairField {
  void Create(platform::Window& dialog, int firstId, int secondId) {
    first.Create(dialog, firstId);
    second.Create(dialog, secondId);
  }
  void Save(CTorvanProfile& profile, std::string_view firstKey, std::string_view secondKey) const {
    first.Save(profile, firstKey);
    second.Save(profile, secondKey);
  }
  void Load(CTorvanProfile& profile, std::string_view firstKey, std::string_view secondKey) {
    first.Load(profile, firstKey);
    second.Load(profile, secondKey);
  }
  void Clear() {
    first.Clear();
    second.Clear();
  }
  CFieldText first, second;
};

TEST_F(FieldTableTest, SavesInDeclarationOrderUnderKeysItOwns) {
  fillList();
  CFieldCheck box;
  CFieldList list;
  PairField pair;
  std::string ownValue = "MINE";
  std::vector<std::string> kept;
  FieldTable table;
  const auto computedKey = [](int row) { return "ROW." + std::to_string(row) + ".BOX"; };
  table.declare(box, computedKey(3), kBox);  // the key is a temporary
  table.declareValue(ownValue, "OWN");
  table.declare(pair, framework::KeyPair{computedKey(4), "SECOND"}, kEdit, kOtherEdit);
  table.declareKept(
      [&](CTorvanProfile& profile) {
        profile.setKeyName("KEPT");
        profile.setValue("K");
      },
      [&](CTorvanProfile&) { kept.push_back("loaded"); }, [&] { kept.push_back("cleared"); });
  table.declare(list, "LIST", kList);
  table.Bind(*dialog_);

  box.SetChecked(true);
  pair.first.SetText("A");
  pair.second.SetText("B");
  control(kList).setCurrentEntry(2);
  table.Save(profile_);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"ROW.3.BOX", "1"}, {"OWN", "MINE"}, {"ROW.4.BOX", "A"},
      {"SECOND", "B"},    {"KEPT", "K"},   {"LIST", "9"}};
  EXPECT_EQ(section(), expected);

  table.Clear();
  EXPECT_FALSE(box.IsChecked());
  EXPECT_EQ(ownValue, "");
  EXPECT_EQ(pair.first.GetText(), "");
  EXPECT_EQ(list.Selected(), 5);
  table.Load(profile_);
  EXPECT_TRUE(box.IsChecked());
  EXPECT_EQ(ownValue, "MINE");
  EXPECT_EQ(pair.second.GetText(), "B");
  EXPECT_EQ(list.Selected(), 9);
  EXPECT_EQ(kept, (std::vector<std::string>{"cleared", "loaded"}));
}

TEST_F(FieldTableTest, SaveOptionsWriteEmptyOrNothing) {
  CFieldCheck box;
  CFieldText text;
  CFieldText other;
  bool keepOther = true;
  FieldTable table;
  table.declare(box, "BOX", kBox).savedEmptyWhenDisabled();
  table.declare(text, "TEXT", kEdit).savedOnlyWhen([&] { return keepOther; });
  table.declare(other, "OTHER", kOtherEdit).savedEmptyUnless([&] { return keepOther; });
  table.Bind(*dialog_);

  box.SetChecked(true);
  text.SetText("FIRST");
  other.SetText("SHOWN");
  table.Save(profile_);
  EXPECT_EQ(stored("BOX"), "1");
  EXPECT_EQ(stored("TEXT"), "FIRST");
  EXPECT_EQ(stored("OTHER"), "SHOWN");

  box.Enable(false);
  keepOther = false;
  text.SetText("SECOND");
  table.Save(profile_);
  EXPECT_EQ(stored("BOX"), "") << "a disabled box is saved empty";
  EXPECT_EQ(stored("TEXT"), "FIRST") << "a field not saved keeps the key's value";
  EXPECT_EQ(stored("OTHER"), "");
  box.Load(profile_, "BOX");
  EXPECT_FALSE(box.IsChecked());
}

TEST_F(FieldTableTest, AFieldLoadedOnlyWhenItsConditionHoldsKeepsItsTextOtherwise) {
  CFieldText text;
  bool chosen = false;
  FieldTable table;
  table.declare(text, "TEXT", kEdit).loadedOnlyWhen([&] { return chosen; });
  table.Bind(*dialog_);
  store("TEXT", "STORED");
  text.SetText("TYPED");
  table.Load(profile_);
  EXPECT_EQ(text.GetText(), "TYPED");
  chosen = true;
  table.Load(profile_);
  EXPECT_EQ(text.GetText(), "STORED");
}

TEST_F(FieldTableTest, SaveOptionsTheDeclarationCannotHonourAreRefused) {
  struct Blind {
    void Create(platform::Window&) {}
    void Save(CTorvanProfile&, std::string_view) const {}
    void Load(CTorvanProfile&, std::string_view) {}
    void Clear() {}
  } blind;
  CFieldText notKept;
  FieldTable table;
  EXPECT_THROW(table.declare(blind, "BLIND").savedEmptyWhenDisabled(), std::logic_error);
  EXPECT_THROW(table.declare(notKept, "", kEdit).savedEmptyUnless([] { return false; }),
               std::logic_error);
}

TEST_F(FieldTableTest, RulesRunAtTheirPlaceWhenLoadingAndClearing) {
  CFieldCheck box;
  CFieldText text;
  FieldTable table;
  std::vector<std::string> seen;
  table.declare(box, "BOX", kBox);
  table.declareRule([&] {
    text.Enable(box.IsChecked());
    seen.push_back("rule with text '" + text.GetText() + "'");
  });
  table.declare(text, "TEXT", kEdit);
  table.Bind(*dialog_);

  box.SetChecked(true);
  text.SetText("T");
  table.Save(profile_);
  EXPECT_TRUE(seen.empty()) << "saving runs no rule";
  table.Clear();
  EXPECT_FALSE(text.IsEnabled());
  text.SetText("LEFT");
  table.Load(profile_);
  EXPECT_TRUE(text.IsEnabled());
  EXPECT_EQ(text.GetText(), "T");
  EXPECT_EQ(seen, (std::vector<std::string>{"rule with text 'T'", "rule with text 'LEFT'"}))
      << "the rule runs after the box and before the text";
}

}  // namespace
}  // namespace module::test
