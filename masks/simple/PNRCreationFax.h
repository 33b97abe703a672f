#pragma once
// Adds a fax number to a PNR being created. The whole command is the fax line:
// "9 5551234-F".

#include <array>
#include <string>

#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "module/MaskInterfaces.h"

class CPNRCreationFax : public framework::StandardMask<CPNRCreationFax, IPNRCreationFax> {
 public:
  static constexpr framework::MaskTraits kTraits{"PNRCreationFax", 121,
                                                 framework::kMarkerStyleButtons, "PNR.CREATION.FAX",
                                                 framework::kCreationCaption};

  void BindFields(platform::Window& dialog);
  bool ValidateFields();
  std::string BuildCommand() const;
  std::array<fields::SavedField, 1> SavedFields();
  void ClearFields();

 private:
  fields::CFieldFaxNo faxNo_;
};
