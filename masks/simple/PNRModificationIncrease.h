#pragma once
// Adds seats to a group PNR, optionally on chosen segments: "," + seats + ("S" + segments).

#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/GroupSizeDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationIncrease
    : public framework::StandardMask<CPNRModificationIncrease, IPNRModificationIncrease> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationIncrease", resources::pnr_modification_increase::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.INCREASE", framework::kModificationCaption};

  CPNRModificationIncrease();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldSeatNo seats_;
  fields::CFieldSegmentNo segments_;
};
