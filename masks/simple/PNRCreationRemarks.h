#pragma once
// Adds a general, itinerary or invoice remark to a PNR being created: "5CALL CLIENT",
// "5\u00A5S2 WINDOW SEAT", "5.S1 PAID CASH".

#include <string>

#include "fields/RemarkFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/RemarksDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationRemarks
    : public framework::StandardMask<CPNRCreationRemarks, IPNRCreationRemarks> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationRemarks", resources::pnr_creation_remarks::kDialog,
      framework::kMarkerStyleButtons, "PNR.CREATION.REMARKS", framework::kCreationCaption};

  CPNRCreationRemarks();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldRemarks remarks_;
};
