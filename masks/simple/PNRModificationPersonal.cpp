#include "masks/simple/PNRModificationPersonal.h"

#include "fields/ComboTyping.h"

namespace ids = resources::pnr_modification_personal;

// The document's keys first, then "LINENO"; Clear resets the document, then the line number.
CPNRModificationPersonal::CPNRModificationPersonal() {
  fields().declare(document_, "", ids::kTypeLabel, ids::kType, ids::kNumberLabel, ids::kNumber,
                   ids::kSurnameLabel, ids::kSurname, ids::kGivenNameLabel, ids::kGivenName, 1,
                   static_cast<fields::CField*>(&lineNo_), fields::kModification);
  fields().declare(lineNo_, "LINENO", ids::kLineLabel, ids::kLineNumber, 0, fields::kModification);
}

// The optional line number first.
bool CPNRModificationPersonal::ValidateFields() {
  return lineNo_.Validate() && document_.Validate();
}

std::string CPNRModificationPersonal::BuildCommand() const {
  return document_.BuildFragment();
}

bool CPNRModificationPersonal::ProcessFieldMessages(const platform::Message& message,
                                                    platform::LRESULT& result) {
  return fields::HandleComboTyping(message) || document_.ProcessWindowMessage(message, result);
}
