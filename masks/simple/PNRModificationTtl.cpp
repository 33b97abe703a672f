#include "masks/simple/PNRModificationTtl.h"

namespace ids = resources::pnr_modification_ttl;

CPNRModificationTtl::CPNRModificationTtl() {
  fields().declare(ttl_, "", ids::kTypeLabel, ids::kType, ids::kDateLabel, ids::kDate,
                   ids::kQueueLabel, ids::kQueue, ids::kSegmentLabel, ids::kSegment,
                   ids::kRowOrigin, ids::kTicketLabel, fields::kModification);
}

bool CPNRModificationTtl::ValidateFields() {
  return ttl_.Validate();
}

std::string CPNRModificationTtl::BuildCommand() const {
  return ttl_.BuildFragment(true);
}

// The type combo rearranges the row.
bool CPNRModificationTtl::ProcessFieldMessages(const platform::Message& message,
                                               platform::LRESULT& result) {
  return ttl_.ProcessWindowMessage(message, result);
}
