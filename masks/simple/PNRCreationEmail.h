#pragma once
// Adds an e-mail element to a PNR being created: "PE\u00A5JOHN==SMITH@HOST.TEST\u00A5OFFICE-1.1"
// (each "_" of the address written as "==").

#include <string>

#include "fields/EmailField.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/EmailDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationEmail : public framework::StandardMask<CPNRCreationEmail, IPNRCreationEmail> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationEmail", resources::pnr_creation_email::kDialog, framework::kMarkerStyleButtons,
      "PNR.CREATION.EMAIL", framework::kCreationCaption};

  CPNRCreationEmail();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldEmail email_;
};
