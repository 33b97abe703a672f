#pragma once
// Adds one phone or fax element to the open PNR: "9 " + the number, the names that go with
// its kind, and the kind's suffix ("9 12345678 TRAVEL CO/LEE-A", "9 12345678TAN-B",
// "9 87654321-F"). The agent chooses the kind; each kind shows its own number label and names.

#include <array>
#include <string>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "fields/PhoneKinds.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/AddPhoneFaxDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRAddPhoneFax : public framework::StandardMask<CPNRAddPhoneFax, IPNRAddPhoneFax> {
 public:
  static constexpr framework::MaskTraits kTraits{"PNRAddPhoneFax",
                                                 resources::pnr_add_phone_fax::kDialog,
                                                 resources::pnr_add_phone_fax::kButtons,
                                                 "PNR.PNRADDPHONEFAX",
                                                 framework::kModificationCaption,
                                                 framework::SendStyle::Logged};

  CPNRAddPhoneFax();
  void BindFields(platform::Window& dialog);
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  // The kind of the selected entry; the agency's while none is selected.
  fields::PhoneKind SelectedKind() const;
  // Shows the number label and the names of the chosen kind, and empties the number.
  void ApplyKind();

  fields::CField type_;
  fields::CFieldList typeList_;
  std::array<fields::CField, fields::kPhoneKindCount> numberLabels_;
  fields::CField number_;
  fields::CField agencyName_;
  fields::CField agentName_;
  fields::CField contactPerson_;
};
