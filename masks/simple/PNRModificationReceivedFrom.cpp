#include "masks/simple/PNRModificationReceivedFrom.h"

namespace ids = resources::pnr_modification_received_from;

CPNRModificationReceivedFrom::CPNRModificationReceivedFrom() {
  fields().declare(receivedFrom_, "RECEIVEDFROM", ids::kReceivedFromLabel, ids::kReceivedFrom, 1,
                   fields::kModification);
}

bool CPNRModificationReceivedFrom::ValidateFields() {
  return receivedFrom_.Validate();
}

std::string CPNRModificationReceivedFrom::BuildCommand() const {
  return receivedFrom_.BuildFragment(true);
}
