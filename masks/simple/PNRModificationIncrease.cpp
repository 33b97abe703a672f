#include "masks/simple/PNRModificationIncrease.h"

namespace ids = resources::pnr_modification_increase;

CPNRModificationIncrease::CPNRModificationIncrease() {
  fields().declare(seats_, "SEATNO", ids::kSeatLabel, ids::kSeatNumber, 1);
  fields().declare(segments_, "SEGMENTNO", ids::kSegmentLabel, ids::kSegmentNumbers, 0);
}

// An accepted segment text is rewritten in its normal form before the command is built.
bool CPNRModificationIncrease::ValidateFields() {
  return seats_.Validate() && segments_.Validate();
}

std::string CPNRModificationIncrease::BuildCommand() const {
  const std::string segments = segments_.GetText(fields::kNumberBuffer);
  return "," + seats_.GetText(fields::kNumberBuffer) + (segments.empty() ? "" : "S" + segments);
}
