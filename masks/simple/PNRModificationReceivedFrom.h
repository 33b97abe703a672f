#pragma once
// Records who asked for a change of an existing PNR: "6\u00A4MR SMITH".

#include <string>

#include "fields/RemarkFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/ReceivedFromDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationReceivedFrom
    : public framework::StandardMask<CPNRModificationReceivedFrom, IPNRModificationReceivedFrom> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationReceivedFrom", resources::pnr_modification_received_from::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.RECEIVEDFROM",
      framework::kModificationCaption};

  CPNRModificationReceivedFrom();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CFieldReceivedFrom receivedFrom_;
};
