#pragma once
// The module's dialog templates, by resource id.

#include <span>

#include "platform/window/DialogTemplate.h"

namespace resources {

// Null when the module holds no dialog of that id.
const platform::DialogTemplate* findDialogTemplate(int id);
std::span<const platform::DialogTemplate* const> dialogTemplates();

}  // namespace resources
