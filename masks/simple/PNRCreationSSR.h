#pragma once
// Adds the passport special service request to a PNR being created:
// "3PSPT2/X1234567/US/01JAN70/SMITH/JOHN/M/H-1.1" or
// "3OTHS2/PSPT X1234567 US 01JAN70 SMITH JOHN M H-1.1".

#include <string>

#include "fields/SsrPassportField.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/PassportDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationSSR : public framework::StandardMask<CPNRCreationSSR, IPNRCreationSSR> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationSSR", resources::pnr_creation_ssr::kDialog, framework::kMarkerStyleButtons,
      "PNR.CREATION.SSR", framework::kCreationCaption};

  CPNRCreationSSR();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldSsrPassport passport_;
};
