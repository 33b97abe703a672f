#include "masks/simple/PNRModificationReduce.h"

#include "framework/HostCommand.h"

namespace ids = resources::pnr_modification_reduce;

CPNRModificationReduce::CPNRModificationReduce() {
  fields().declare(passengerCount_, "NoPax", ids::kPassengerCountLabel, ids::kPassengerCount, 1, 1);
  fields().declare(nameNumbers_, "PAXNAMENOS", ids::kNameNumbersLabel, ids::kNameNumbers, 1);
}

bool CPNRModificationReduce::ValidateFields() {
  return passengerCount_.Validate() && nameNumbers_.Validate();
}

std::string CPNRModificationReduce::BuildCommand() const {
  return "," + passengerCount_.GetText(fields::kShortBuffer) + "|-" +
         nameNumbers_.GetText(fields::kShortBuffer) + std::string(framework::kChangeMark);
}
