#pragma once
// Sets the number of people in a group PNR: "," + number in group.

#include <array>
#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "module/MaskInterfaces.h"

class CPNRModificationGIT
    : public framework::StandardMask<CPNRModificationGIT, IPNRModificationGIT> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationGIT", 130, framework::kMarkerStyleButtons, "PNR.MODIFICATION.GIT",
      framework::kModificationCaption};

  void BindFields(platform::Window& dialog);
  bool ValidateFields();
  std::string BuildCommand() const;
  std::array<fields::SavedField, 1> SavedFields();
  void ClearFields();

 private:
  fields::CFieldNoInGrp numberInGroup_;
};
