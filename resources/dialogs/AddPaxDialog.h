#pragma once
// The add-passenger mask: one hosted control, the desktop's add-passenger control, filling the
// whole dialog.

#include <string_view>

#include "platform/com/AddPassengerContract.h"
#include "platform/window/DialogTemplate.h"

namespace resources::create_add_pax {

inline constexpr int kDialogId = 856;
inline constexpr int kAddPax = 853;
inline constexpr std::string_view kControlClass = platform::add_passenger::kClassName;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::create_add_pax
