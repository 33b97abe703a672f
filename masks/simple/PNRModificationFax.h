#pragma once
// Adds or changes a fax line of an existing PNR: "9" + line number + change mark + number +
// "-F". Keeps its values in the group modification section, sharing its marker.

#include <array>
#include <string>

#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "module/MaskInterfaces.h"

class CPNRModificationFax
    : public framework::StandardMask<CPNRModificationFax, IPNRModificationFax> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationFax", 136, framework::kMarkerStyleButtons, "PNR.MODIFICATION.GIT",
      framework::kModificationCaption};

  void BindFields(platform::Window& dialog);
  bool ValidateFields();
  std::string BuildCommand() const;
  std::array<fields::SavedField, 2> SavedFields();
  void ClearFields();

 private:
  fields::CFieldLineNo lineNo_;
  fields::CFieldFaxNo faxNo_;
};
