#include "masks/simple/PNRModificationIncrease.h"

void CPNRModificationIncrease::BindFields(platform::Window& dialog) {
  seats_.Create(dialog, 603, 605, 1);
  segments_.Create(dialog, 608, 607, 0);
}

// An accepted segment text is rewritten in its normal form before the command is built.
bool CPNRModificationIncrease::ValidateFields() {
  return seats_.Validate() && segments_.Validate();
}

std::string CPNRModificationIncrease::BuildCommand() const {
  const std::string segments = segments_.GetText(fields::kNumberBuffer);
  return "," + seats_.GetText(fields::kNumberBuffer) + (segments.empty() ? "" : "S" + segments);
}

std::array<fields::SavedField, 2> CPNRModificationIncrease::SavedFields() {
  return {{{&seats_, "SEATNO"}, {&segments_, "SEGMENTNO"}}};
}

void CPNRModificationIncrease::ClearFields() {
  seats_.Clear();
  segments_.Clear();
}
