#include "masks/simple/PNRModificationFax.h"

namespace ids = resources::pnr_modification_fax;

CPNRModificationFax::CPNRModificationFax() {
  fields().declare(lineNo_, "LINENO", ids::kLineLabel, ids::kLineNumber, 0, fields::kModification);
  fields().declare(faxNo_, "FAXNO", ids::kFaxLabel, ids::kFaxNumber, 1, fields::kModification);
}

// The fax number first: an empty number is reported before the line is looked at.
bool CPNRModificationFax::ValidateFields() {
  return faxNo_.Validate() && lineNo_.Validate();
}

// The line number is always the prefix, also when empty: "9\u00A45551234-F".
std::string CPNRModificationFax::BuildCommand() const {
  return faxNo_.BuildFragment(lineNo_.GetText(fields::kFieldBuffer));
}
