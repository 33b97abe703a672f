// Every mask the module serves draws its own dialog template: the resource id each class is
// known by, none shared with another mask or with the pickers' dialogs; each a child dialog in
// the mask font that holds the status line (but the add-passenger mask's).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "module/ObjectMap.h"
#include "resources/dialogs/PickerDialogs.h"

namespace module::test {
namespace {

const std::map<std::string, int, std::less<>> kDialogIds = {
    {"PNRCreationFIT", 104},
    {"PNRCreationEmail", 109},
    {"PNRCreationRemarks", 115},
    {"PNRCreationPersonal", 118},
    {"PNRCreationFax", 121},
    {"PNRCreationSSR", 124},
    {"PNRRetrieval", 127},
    {"PNRModificationGIT", 130},
    {"PNRModificationPassenger", 133},
    {"PNRModificationFax", 136},
    {"PNRModificationReceivedFrom", 139},
    {"PNRModificationEmail", 142},
    {"PNRModificationRemarks", 145},
    {"PNRModificationPersonal", 148},
    {"PNRModificationPhone", 151},
    {"PNRModificationIncrease", 154},
    {"PNRModificationReduce", 157},
    {"PNRModificationDivide", 160},
    {"PNRModificationAddress", 163},
    {"PNRModificationTtl", 166},
    {"PNRDeleteEmail", 172},
    {"PNRAddPhoneFax", 175},
    {"PNRModifyGrpName", 178},
    {"PNRCreationGIT", 189},
    {"PNRAddEmail", 495},
    {"CreateAddPax", 856},
};

TEST(DialogIdsTest, EachMaskHasTheDialogOfItsClassAndNoneIsShared) {
  std::map<int, std::string> owners = {{resources::calendar_dialog::kDialogId, "calendar"},
                                       {resources::coder_dialog::kDialogId, "code lookup"}};
  for (const ObjectMapEntry& entry : objectMap()) {
    const std::string name(entry.description.name);
    SCOPED_TRACE(name);
    const auto expected = kDialogIds.find(name);
    ASSERT_NE(expected, kDialogIds.end());
    EXPECT_EQ(entry.dialog.id, expected->second);
    const auto [owner, added] = owners.emplace(entry.dialog.id, name);
    EXPECT_TRUE(added) << "dialog " << entry.dialog.id << " is also " << owner->second << "'s";
  }
}

TEST(DialogIdsTest, EachMaskTemplateIsAChildDialogWithTheStatusLine) {
  for (const ObjectMapEntry& entry : objectMap()) {
    SCOPED_TRACE(std::string(entry.description.name));
    const platform::DialogTemplate& dialog = entry.dialog;
    EXPECT_EQ(dialog.style & platform::WS_CHILD, platform::WS_CHILD);
    EXPECT_EQ(dialog.style & platform::DS_SETFONT, platform::DS_SETFONT);
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    // The add-passenger mask's dialog is the hosted control alone, filling it.
    if (entry.description.name == "CreateAddPax") continue;
    const auto statusLine = std::ranges::find_if(
        dialog.controls,
        [](const platform::ControlTemplate& control) { return control.id == 501; });
    ASSERT_NE(statusLine, dialog.controls.end());
    EXPECT_EQ(statusLine->windowClass, platform::WindowClass::Static);
    EXPECT_EQ(statusLine->text, "Testing 1 2 3...");
  }
}

}  // namespace
}  // namespace module::test
