#pragma once
// Takes passengers out of a group PNR: "," + passenger count + "|-" + name numbers + change
// mark.

#include <string>

#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/GroupSizeDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationReduce
    : public framework::StandardMask<CPNRModificationReduce, IPNRModificationReduce> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationReduce", resources::pnr_modification_reduce::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.REDUCE", framework::kModificationCaption};

  CPNRModificationReduce();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldNoPaxDivide passengerCount_;
  fields::CFieldPaxNameNos nameNumbers_;
};
