#pragma once
// A dialog's live window tree as the web page renders it: for the dialog its size and
// background, for every control its id, kind, rectangle in pixels, text, states, styles that
// change what an agent sees or can type, list entries, colours, font and tooltip; then the
// focused control and its selection. Texts are UTF-8.

#include <nlohmann/json_fwd.hpp>

#include "platform/window/Window.h"

namespace desk {

// underPointer: the pointer rests on the control; its state then says which cursor it shows
// ("cursor": "hand" or "arrow").
nlohmann::json controlState(platform::Window& control, bool underPointer = false);
// focus: the mask's focused control (null when none is in this dialog); pointer: the control
// the pointer rests on (null when none).
nlohmann::json dialogState(platform::Window& dialog, const platform::Window* focus,
                           const platform::Window* pointer = nullptr);

}  // namespace desk
