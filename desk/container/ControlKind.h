#pragma once
// What kind of control a window is, as containers name it: "static", "edit", "combo",
// "list", "button", "check", "radio", "group" or "hosted".

#include <string_view>

#include "platform/window/Window.h"

namespace desk {

std::string_view controlKind(const platform::Window& control);
bool isCheckable(const platform::Window& control);

}  // namespace desk
