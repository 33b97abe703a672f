#pragma once
// Reading a window's text as the masks do: into a buffer of a given size, so at most
// bufferSize - 1 characters. A missing window reads as empty.

#include <cstddef>
#include <string>

#include "platform/window/Window.h"

namespace framework {

std::string windowText(const platform::Window* window, std::size_t bufferSize);
// The text of a dialog's control by id.
std::string itemText(const platform::Window& dialog, int controlId, std::size_t bufferSize);

}  // namespace framework
