#pragma once
// Adds an identity document line to a PNR being created: "5PPX1234567-SMITH/JOHN" for a
// passport, "5EP..." for an exit/re-entry permit.

#include <string>

#include "fields/RemarkFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/PersonalDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationPersonal
    : public framework::StandardMask<CPNRCreationPersonal, IPNRCreationPersonal> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationPersonal", resources::pnr_creation_personal::kDialog,
      framework::kMarkerStyleButtons, "PNR.CREATION.PERSONAL", framework::kCreationCaption};

  CPNRCreationPersonal();
  bool ValidateFields();
  std::string BuildCommand() const;
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);

 private:
  fields::CFieldIdDoc document_;
};
