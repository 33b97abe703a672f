#pragma once
// Adds or changes a remark of an existing PNR: "5" + line number + change mark + the remark,
// the line prefix written also when the line number is empty ("56\u00A4.S1 PAID CASH").

#include <string>

#include "fields/NumberFields.h"
#include "fields/RemarkFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/RemarksDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationRemarks
    : public framework::StandardMask<CPNRModificationRemarks, IPNRModificationRemarks> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationRemarks", resources::pnr_modification_remarks::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.REMARKS", framework::kModificationCaption};

  CPNRModificationRemarks();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldLineNo lineNo_;
  fields::CFieldRemarks remarks_;
};
