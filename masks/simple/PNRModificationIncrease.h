#pragma once
// Adds seats to a group PNR, optionally on chosen segments: "," + seats + ("S" + segments).

#include <array>
#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "module/MaskInterfaces.h"

class CPNRModificationIncrease
    : public framework::StandardMask<CPNRModificationIncrease, IPNRModificationIncrease> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationIncrease", 154, framework::kMarkerStyleButtons, "PNR.MODIFICATION.INCREASE",
      framework::kModificationCaption};

  void BindFields(platform::Window& dialog);
  bool ValidateFields();
  std::string BuildCommand() const;
  std::array<fields::SavedField, 2> SavedFields();
  void ClearFields();

 private:
  fields::CFieldSeatNo seats_;
  fields::CFieldSegmentNo segments_;
};
