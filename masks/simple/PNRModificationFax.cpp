#include "masks/simple/PNRModificationFax.h"

void CPNRModificationFax::BindFields(platform::Window& dialog) {
  lineNo_.Create(dialog, 563, 565, 0, fields::kModification);
  faxNo_.Create(dialog, 568, 566, 1, fields::kModification);
}

// The fax number first: an empty number is reported before the line is looked at.
bool CPNRModificationFax::ValidateFields() {
  return faxNo_.Validate() && lineNo_.Validate();
}

// The line number is always the prefix, also when empty: "9\u00A45551234-F".
std::string CPNRModificationFax::BuildCommand() const {
  return faxNo_.BuildFragment(lineNo_.GetText(fields::kFieldBuffer));
}

std::array<fields::SavedField, 2> CPNRModificationFax::SavedFields() {
  return {{{&lineNo_, "LINENO"}, {&faxNo_, "FAXNO"}}};
}

void CPNRModificationFax::ClearFields() {
  faxNo_.Clear();
  lineNo_.Clear();
}
