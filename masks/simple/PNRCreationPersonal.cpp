#include "masks/simple/PNRCreationPersonal.h"

#include "fields/ComboTyping.h"

namespace ids = resources::pnr_creation_personal;

CPNRCreationPersonal::CPNRCreationPersonal() {
  fields().declare(document_, "", ids::kTypeLabel, ids::kType, ids::kNumberLabel, ids::kNumber,
                   ids::kSurnameLabel, ids::kSurname, ids::kGivenNameLabel, ids::kGivenName, 1,
                   static_cast<fields::CField*>(nullptr), fields::kCreation);
}

bool CPNRCreationPersonal::ValidateFields() {
  return document_.Validate();
}

std::string CPNRCreationPersonal::BuildCommand() const {
  return document_.BuildFragment();
}

bool CPNRCreationPersonal::ProcessFieldMessages(const platform::Message& message,
                                                platform::LRESULT& result) {
  return fields::HandleComboTyping(message) || document_.ProcessWindowMessage(message, result);
}
