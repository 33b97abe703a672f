#pragma once
// Sets the number of people in a group PNR: "," + number in group.

#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/GroupSizeDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationGIT
    : public framework::StandardMask<CPNRModificationGIT, IPNRModificationGIT> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationGIT", resources::pnr_modification_git::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.GIT", framework::kModificationCaption};

  CPNRModificationGIT();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldNoInGrp numberInGroup_;
};
