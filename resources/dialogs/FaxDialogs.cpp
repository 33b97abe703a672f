// The fax number masks: creation (121) and modification (136).

#include "resources/DialogParts.h"
#include "resources/Dialogs.h"

namespace resources {
namespace {

constexpr auto kCreationControls =
    joinControls(labelledEdit(457, "Fax No.:", 304, 8, 180), markerStyleFooter(30));

constexpr auto kModificationControls =
    joinControls(labelledEdit(563, "Line #:", 565, 8, 20),
                 labelledEdit(568, "Fax Number:", 566, 24, 180), markerStyleFooter(46));

}  // namespace

const platform::DialogTemplate kPNRCreationFaxDialog{
    121, "", 280, 60, kMaskDialogStyle, kMaskFont, kMaskFontSize, kCreationControls};

const platform::DialogTemplate kPNRModificationFaxDialog{
    136, "", 280, 76, kMaskDialogStyle, kMaskFont, kMaskFontSize, kModificationControls};

}  // namespace resources
