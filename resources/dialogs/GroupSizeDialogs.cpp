// The group size masks: number in group (130), increase (154) and reduce (157).

#include "resources/DialogParts.h"
#include "resources/Dialogs.h"

namespace resources {
namespace {

constexpr auto kNumberInGroupControls =
    joinControls(labelledEdit(551, "No in Group:", 552, 8, 20), markerStyleFooter(30));

constexpr auto kIncreaseControls =
    joinControls(labelledEdit(603, "Seat #:", 605, 8, 20),
                 labelledEdit(608, "Segment #:", 607, 24, 80), markerStyleFooter(46));

constexpr auto kReduceControls =
    joinControls(labelledEdit(609, "# Pax:", 610, 8, 20),
                 labelledEdit(611, "Pax Name #:", 612, 24, 180), markerStyleFooter(46));

}  // namespace

const platform::DialogTemplate kPNRModificationGITDialog{
    130, "", 280, 60, kMaskDialogStyle, kMaskFont, kMaskFontSize, kNumberInGroupControls};

const platform::DialogTemplate kPNRModificationIncreaseDialog{
    154, "", 280, 76, kMaskDialogStyle, kMaskFont, kMaskFontSize, kIncreaseControls};

const platform::DialogTemplate kPNRModificationReduceDialog{
    157, "", 280, 76, kMaskDialogStyle, kMaskFont, kMaskFontSize, kReduceControls};

}  // namespace resources
