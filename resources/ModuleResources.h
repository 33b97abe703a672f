#pragma once
// The module's resources besides its dialogs: one registry script per class (resource type
// "REGISTRY") and the toolbox bitmaps, by resource id.

#include <optional>
#include <string_view>
#include <vector>

namespace resources {

// The text of the registry script of that id; nothing when the module holds none.
std::optional<std::string_view> findRegistryScript(int id);

// The bitmap file of that id; nothing when the module holds none.
std::optional<std::string_view> findBitmap(int id);
// Every bitmap id the module holds, in increasing order.
std::vector<int> bitmapIds();

}  // namespace resources
