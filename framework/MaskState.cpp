#include "framework/MaskState.h"

#include <string>

namespace framework {

void openWhiteboardSection(CTorvanProfile& profile, std::string_view section) {
  profile.setIniFile(kWhiteboardFile);
  profile.setSectionName(section);
}

void writeMarker(CTorvanProfile& profile) {
  profile.setKeyName(kMarkerKey);
  profile.setValue(kMarkerSaved);
}

bool holdsSavedState(CTorvanProfile& profile) {
  profile.setKeyName(kMarkerKey);
  std::string marker;
  profile.getValue(marker, kMarkerUnset, 100);
  return marker != kMarkerUnset;
}

}  // namespace framework
