// The rules of the individual creation mask's check boxes: corporate billing, the billing
// and delivery addresses, the personnel numbers, the agency copied from DOSS and the CTP.

#include "masks/fit/FitMaskTables.h"
#include "masks/fit/PNRCreationFIT.h"
#include "platform/window/Desktop.h"

namespace ids = resources::pnr_creation_fit;

// Bill to Company only with the back-office switch; unbilled, the SF Cust ID is asked for,
// billed, the DK number and the profile's corporate identifier.
void CPNRCreationFIT::ApplyBillingRules() {
  billToCompany_.Enable(backOffice_);
  if (!backOffice_) {
    sfCustId_.Clear();
    dkNumber_.Clear();
    billToCompany_.SetChecked(false);
  }
  const bool billed = billToCompany_.IsChecked();
  EnableControl(ids::kSfCustIdLabel, backOffice_ && !billed);
  EnableControl(ids::kSfCustId, backOffice_ && !billed);
  EnableControl(ids::kDkNumberLabel, backOffice_ && billed);
  EnableControl(ids::kDkNumber, backOffice_ && billed);
  if (billed) sfCustId_.SetText(profileStrings_.corporateId);
}

void CPNRCreationFIT::ApplyAddressRule(const Address& address) {
  const bool checked = address.box.IsChecked();
  for (const fields::CField& line : address.lines) {
    if (platform::Window* edit = line.EditWindow()) edit->enable(checked);
  }
}

void CPNRCreationFIT::ApplyPersonnelRules() {
  for (const fit::PersonnelEntry& entry : fit::kPersonnel) {
    EnableControl(entry.edit, IsChecked(entry.box));
  }
}

void CPNRCreationFIT::ApplyAgencyRule() {
  const bool enabled = !copyFromDoss_.IsChecked();
  for (int id : ids::kAgencyControls) EnableControl(id, enabled);
}

void CPNRCreationFIT::ApplyCtpRule(bool fill) {
  const bool checked = copyFromCtp_.IsChecked();
  EnableControl(ids::kCtp, checked);
  EnableControl(ids::kCtpButton, checked);
  if (!checked) {
    ctp_.Clear();
  } else if (fill) {
    FillCtpFromPolicy();
  }
}

void CPNRCreationFIT::FillCtpFromPolicy() {
  dialogs_.Find(fit::HostedDialog::TravelPolicy)->Prepare(*dialog());
  const auto answer = platform::modalDialog("policy", dialog());
  if (!answer || answer->empty()) return;
  ctp_.SetText(fit::ctpText((*answer)[0], answer->size() > 1 ? (*answer)[1] : ""));
}
