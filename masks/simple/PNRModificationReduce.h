#pragma once
// Takes passengers out of a group PNR: "," + passenger count + "|-" + name numbers + change
// mark.

#include <array>
#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "module/MaskInterfaces.h"

class CPNRModificationReduce
    : public framework::StandardMask<CPNRModificationReduce, IPNRModificationReduce> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationReduce", 157, framework::kMarkerStyleButtons, "PNR.MODIFICATION.REDUCE",
      framework::kModificationCaption};

  void BindFields(platform::Window& dialog);
  bool ValidateFields();
  std::string BuildCommand() const;
  std::array<fields::SavedField, 2> SavedFields();
  void ClearFields();

 private:
  fields::CFieldNoPaxDivide passengerCount_;
  fields::CFieldPaxNameNos nameNumbers_;
};
