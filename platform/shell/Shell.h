#pragma once
// The desktop shell: opens a document or an address with its "open" verb. The target goes to
// the container as one text and never through a command interpreter.

#include <string_view>

namespace platform {

void shellOpen(std::string_view target);

}  // namespace platform
