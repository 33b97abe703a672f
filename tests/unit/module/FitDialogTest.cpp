// The individual creation mask's dialog template: its size, every id its logic addresses held
// once, and the kinds of the controls.

#include "resources/dialogs/FitDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

namespace fit = resources::pnr_creation_fit;
using platform::WindowClass;

std::map<int, const platform::ControlTemplate*> controlsById() {
  std::map<int, const platform::ControlTemplate*> byId;
  for (const auto& control : fit::kDialog.controls) {
    if (control.id != -1) byId[control.id] = &control;
  }
  return byId;
}

TEST(FitDialogTest, SizeAndUniqueIds) {
  EXPECT_EQ(fit::kDialog.id, 104);
  EXPECT_EQ(fit::kDialog.width, 607);
  EXPECT_EQ(fit::kDialog.height, 585);
  std::multiset<int> ids;
  for (const auto& control : fit::kDialog.controls) {
    if (control.id != -1) ids.insert(control.id);
  }
  for (int id : ids) EXPECT_EQ(ids.count(id), 1u) << id;
}

TEST(FitDialogTest, RowsAndBlocksHaveTheirControlKinds) {
  const auto byId = controlsById();
  const auto kindOf = [&byId](int id) {
    const auto found = byId.find(id);
    EXPECT_NE(found, byId.end()) << id;
    return found == byId.end() ? WindowClass::Dialog : found->second->windowClass;
  };
  for (const auto& row : fit::kRows) {
    for (int id : {row.surname, row.givenName, row.title, row.others, row.age}) {
      EXPECT_EQ(kindOf(id), WindowClass::Edit) << id;
    }
    EXPECT_EQ(kindOf(row.ptc), WindowClass::ComboBox);
    EXPECT_EQ(kindOf(row.surnameLookup), WindowClass::Button);
    EXPECT_EQ(kindOf(row.givenNameLookup), WindowClass::Button);
  }
  for (int id : {fit::kTtl.type, fit::kRemarks.type, fit::kIdDoc.type, fit::kPassport.type,
                 fit::kPassport.gender, fit::kCustomerSource}) {
    EXPECT_EQ(kindOf(id), WindowClass::ComboBox) << id;
  }
  for (int id : fit::kAgencyControls) EXPECT_EQ(kindOf(id), WindowClass::Edit) << id;
  for (int id : fit::kBillingLines) EXPECT_EQ(kindOf(id), WindowClass::Edit) << id;
  for (int id : fit::kDeliveryLines) EXPECT_EQ(kindOf(id), WindowClass::Edit) << id;
  for (int id : {fit::kBillToCompany, fit::kCopyFromCtp, fit::kCopyFromDoss, fit::kBillingAddress,
                 fit::kDeliveryAddress, fit::kDepartmentBox, fit::kDependentIcBox, fit::kAutoCreate,
                 fit::kPassport.primaryHolder, 223, 234, 232, 227, 435}) {
    EXPECT_EQ(kindOf(id), WindowClass::Button) << id;
  }
  EXPECT_EQ(kindOf(resources::kStatusLineId), WindowClass::Static);
  for (int row = 0; row < 9; ++row)
    EXPECT_EQ(kindOf(fit::kFirstRowNumber + row), WindowClass::Static);
}

TEST(FitDialogTest, ControlsLieInsideTheDialog) {
  for (const auto& control : fit::kDialog.controls) {
    EXPECT_GE(control.x, 0) << control.id;
    EXPECT_GE(control.y, 0) << control.id;
    EXPECT_LE(control.x + control.width, fit::kDialog.width) << control.id;
    if (control.windowClass != WindowClass::ComboBox) {
      EXPECT_LE(control.y + control.height, fit::kDialog.height) << control.id;
    }
  }
}

}  // namespace
