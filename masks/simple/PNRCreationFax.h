#pragma once
// Adds a fax number to a PNR being created. The whole command is the fax line:
// "9 5551234-F".

#include <string>

#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/FaxDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationFax : public framework::StandardMask<CPNRCreationFax, IPNRCreationFax> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationFax", resources::pnr_creation_fax::kDialog, framework::kMarkerStyleButtons,
      "PNR.CREATION.FAX", framework::kCreationCaption};

  CPNRCreationFax();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldFaxNo faxNo_;
};
