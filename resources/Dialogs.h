#pragma once
// The dialog templates of the masks.

#include "platform/window/DialogTemplate.h"

namespace resources {

extern const platform::DialogTemplate kPNRCreationFaxDialog;
extern const platform::DialogTemplate kPNRModificationFaxDialog;
extern const platform::DialogTemplate kPNRModificationGITDialog;
extern const platform::DialogTemplate kPNRModificationIncreaseDialog;
extern const platform::DialogTemplate kPNRModificationReduceDialog;

}  // namespace resources
