#include "masks/simple/PNRCreationFax.h"

void CPNRCreationFax::BindFields(platform::Window& dialog) {
  faxNo_.Create(dialog, 457, 304, 1, fields::kCreation);
}

bool CPNRCreationFax::ValidateFields() {
  return faxNo_.Validate();
}

std::string CPNRCreationFax::BuildCommand() const {
  return faxNo_.BuildFragment();
}

std::array<fields::SavedField, 1> CPNRCreationFax::SavedFields() {
  return {{{&faxNo_, "FAXNO"}}};
}

void CPNRCreationFax::ClearFields() {
  faxNo_.Clear();
}
