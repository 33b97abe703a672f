#pragma once
// A mask's state on the whiteboard: one section per mask, one key per field. Marker-style
// masks write the marker key with every save and restore only when it is set, so that a
// Recall before the first Send changes nothing.

#include <string_view>

#include "framework/services/CTorvanProfile.h"

namespace framework {

inline constexpr std::string_view kWhiteboardFile = "VLwhiteboard.ini";
inline constexpr std::string_view kMarkerKey = "SHARKDOLPHIN";
inline constexpr std::string_view kMarkerSaved = "iu tham thiet";
inline constexpr std::string_view kMarkerUnset = "iu nhau";

// Sets the profile to the whiteboard file and the section.
void openWhiteboardSection(CTorvanProfile& profile, std::string_view section);
void writeMarker(CTorvanProfile& profile);
// True when the section's marker reads anything but the unset value (exact comparison).
bool holdsSavedState(CTorvanProfile& profile);

}  // namespace framework
