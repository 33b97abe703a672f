#include "masks/simple/PNRCreationEmail.h"

namespace ids = resources::pnr_creation_email;

CPNRCreationEmail::CPNRCreationEmail() {
  fields().declare(email_, "", ids::kEmailLabel, ids::kEmail, ids::kFreeTextLabel, ids::kFreeText,
                   ids::kPassengerLabel, ids::kPassenger, 1, fields::kCreation);
}

bool CPNRCreationEmail::ValidateFields() {
  return email_.Validate();
}

std::string CPNRCreationEmail::BuildCommand() const {
  return email_.BuildFragment();
}
