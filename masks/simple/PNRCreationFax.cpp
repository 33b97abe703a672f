#include "masks/simple/PNRCreationFax.h"

namespace ids = resources::pnr_creation_fax;

CPNRCreationFax::CPNRCreationFax() {
  fields().declare(faxNo_, "FAXNO", ids::kFaxLabel, ids::kFaxNumber, 1, fields::kCreation);
}

bool CPNRCreationFax::ValidateFields() {
  return faxNo_.Validate();
}

std::string CPNRCreationFax::BuildCommand() const {
  return faxNo_.BuildFragment();
}
