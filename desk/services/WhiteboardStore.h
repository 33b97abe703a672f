#pragma once
// How the framework services find the whiteboard.

#include <filesystem>
#include <string_view>

namespace desk {

// The whiteboard's file name, as a new home spells it.
inline constexpr std::string_view kWhiteboardFileName = "VLwhiteboard.ini";

// The whiteboard file of a home folder: an existing file of that name in any letter case.
std::filesystem::path whiteboardFileIn(const std::filesystem::path& folder);

// True for the store name that the whiteboard and queue functions take ("VLWHITEBOARD" in any
// letter case). The desk keeps no other store.
bool isWhiteboardName(std::string_view name);

}  // namespace desk
