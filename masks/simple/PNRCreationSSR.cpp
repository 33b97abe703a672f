#include "masks/simple/PNRCreationSSR.h"

#include "fields/ComboTyping.h"

namespace ids = resources::pnr_creation_ssr;

CPNRCreationSSR::CPNRCreationSSR() {
  fields().declare(passport_, "", ids::kTypeLabel, ids::kType, ids::kPassportLabel, ids::kPassport,
                   ids::kNationalityLabel, ids::kNationality, ids::kSurnameLabel, ids::kSurname,
                   ids::kGivenNameLabel, ids::kGivenName, ids::kSegmentLabel, ids::kSegment,
                   ids::kPrimaryHolder, ids::kNameSelectLabel, ids::kNameSelect,
                   ids::kDateOfBirthLabel, ids::kDateOfBirth, ids::kGenderLabel, ids::kGender, 1,
                   fields::kCreation);
}

bool CPNRCreationSSR::ValidateFields() {
  return passport_.Validate();
}

std::string CPNRCreationSSR::BuildCommand() const {
  return passport_.BuildFragment();
}

// Both combo boxes complete what is typed; the type and the primary-holder box go to the field.
bool CPNRCreationSSR::ProcessFieldMessages(const platform::Message& message,
                                           platform::LRESULT& result) {
  return fields::HandleComboTyping(message) || passport_.ProcessWindowMessage(message, result);
}
