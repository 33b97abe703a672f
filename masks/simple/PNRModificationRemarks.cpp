#include "masks/simple/PNRModificationRemarks.h"

#include "fields/ComboTyping.h"

namespace ids = resources::pnr_modification_remarks;

// The remark's keys first, then "LINENO"; Clear resets the remark, then the line number.
CPNRModificationRemarks::CPNRModificationRemarks() {
  fields().declare(remarks_, "", ids::kTypeLabel, ids::kType, ids::kSegmentLabel, ids::kSegment,
                   ids::kRemarkLabel, ids::kRemark, 1, static_cast<fields::CField*>(&lineNo_),
                   fields::kModification);
  fields().declare(lineNo_, "LINENO", ids::kLineLabel, ids::kLineNumber, 0, fields::kModification);
}

// The optional line number first.
bool CPNRModificationRemarks::ValidateFields() {
  return lineNo_.Validate() && remarks_.Validate();
}

std::string CPNRModificationRemarks::BuildCommand() const {
  return remarks_.BuildFragment();
}

bool CPNRModificationRemarks::ProcessFieldMessages(const platform::Message& message,
                                                   platform::LRESULT& result) {
  return fields::HandleComboTyping(message) || remarks_.ProcessWindowMessage(message, result);
}
