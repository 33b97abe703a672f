#pragma once
// Adds or changes a fax line of an existing PNR: "9" + line number + change mark + number +
// "-F". Keeps its values in the group modification section, sharing its marker.

#include <string>

#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/FaxDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationFax
    : public framework::StandardMask<CPNRModificationFax, IPNRModificationFax> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationFax", resources::pnr_modification_fax::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.GIT", framework::kModificationCaption};

  CPNRModificationFax();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldLineNo lineNo_;
  fields::CFieldFaxNo faxNo_;
};
