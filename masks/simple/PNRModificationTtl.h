#pragma once
// Sets or changes the ticketing element of an existing PNR, with the change mark after the
// leading "7": "7\u00A4TAW15MAR100/", "7\u00A4T-APAID/15MAR", "7\u00A4T-TK1234567890123".

#include <string>

#include "fields/TtlField.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/TtlDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationTtl
    : public framework::StandardMask<CPNRModificationTtl, IPNRModificationTtl> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationTtl", resources::pnr_modification_ttl::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.TTL", framework::kModificationCaption};

  CPNRModificationTtl();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldTtl ttl_;
};
