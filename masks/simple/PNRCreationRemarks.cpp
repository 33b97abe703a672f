#include "masks/simple/PNRCreationRemarks.h"

#include "fields/ComboTyping.h"

namespace ids = resources::pnr_creation_remarks;

CPNRCreationRemarks::CPNRCreationRemarks() {
  fields().declare(remarks_, "", ids::kTypeLabel, ids::kType, ids::kSegmentLabel, ids::kSegment,
                   ids::kRemarkLabel, ids::kRemark, 1, static_cast<fields::CField*>(nullptr),
                   fields::kCreation);
}

bool CPNRCreationRemarks::ValidateFields() {
  return remarks_.Validate();
}

std::string CPNRCreationRemarks::BuildCommand() const {
  return remarks_.BuildFragment();
}

bool CPNRCreationRemarks::ProcessFieldMessages(const platform::Message& message,
                                               platform::LRESULT& result) {
  return fields::HandleComboTyping(message) || remarks_.ProcessWindowMessage(message, result);
}
