#pragma once
// Adds or changes an identity document line of an existing PNR: "5" + line number + change
// mark + the document, the line prefix written also when the line number is empty
// ("53\u00A4EPE987654-LEE/ANN").

#include <string>

#include "fields/NumberFields.h"
#include "fields/RemarkFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/PersonalDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationPersonal
    : public framework::StandardMask<CPNRModificationPersonal, IPNRModificationPersonal> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationPersonal", resources::pnr_modification_personal::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.PERSONAL", framework::kModificationCaption};

  CPNRModificationPersonal();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldLineNo lineNo_;
  fields::CFieldIdDoc document_;
};
