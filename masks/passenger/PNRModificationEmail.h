#pragma once
// Replaces one e-mail element of the open PNR, named by its line number, with a new address,
// free text and passenger. On its first show the mask asks the desktop for the PNR's
// passengers and e-mail elements and waits for them disabled; it then offers the passengers in
// a list ("PE4\u00A4\u00A5ANN==LEE@HOST.TEST\u00A5-1.1"). The desktop may preset the line
// through the queue "ID_MODIFYPNR_EMAIL".

#include <string>
#include <vector>

#include "fields/EmailField.h"
#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "masks/lineitem/OpenPnrContacts.h"
#include "resources/dialogs/ModificationEmailDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationEmail
    : public framework::StandardMask<CPNRModificationEmail, IPNRModificationEmail> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationEmail", resources::pnr_modification_email::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.EMAIL", framework::kModificationCaption};

  CPNRModificationEmail();
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;

  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  void ShowPassengers();
  void PresetFromQueue();
  // The name number of the chosen passenger; empty for the first (empty) entry.
  std::string SelectedNameNumber() const;

  fields::CFieldLineNo lineNo_;
  fields::CFieldEmail email_;
  std::vector<std::string> passengerLabels_;  // "1.1 - LEE/ANN"
  std::vector<masks::ExistingEmail> existingEmails_;
  masks::OpenPnrWait openPnr_;
};
