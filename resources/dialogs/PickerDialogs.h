#pragma once
// The picker dialogs fields open: the month calendar and the code lookup, each a small modal
// dialog that hosts one outside control.

#include "platform/window/DialogTemplate.h"

namespace resources {

namespace calendar_dialog {
inline constexpr int kDialogId = 179;
inline constexpr int kCalendar = 191;
inline constexpr std::string_view kControlClass = "Month";
extern const platform::DialogTemplate kDialog;
}  // namespace calendar_dialog

namespace coder_dialog {
inline constexpr int kDialogId = 181;
inline constexpr int kLookup = 185;
inline constexpr std::string_view kControlClass = "Coder";
extern const platform::DialogTemplate kDialog;
}  // namespace coder_dialog

}  // namespace resources
