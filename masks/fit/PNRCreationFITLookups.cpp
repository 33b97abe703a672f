// The customer-profile lookups of the individual creation mask: asking the back office or
// DOSS, the Add Passenger dialog, and filling the screen from an imported profile.

#include "masks/fit/CreationProfile.h"
#include "masks/fit/FitMaskTables.h"
#include "masks/fit/InstallFolder.h"
#include "masks/fit/PNRCreationFIT.h"
#include "platform/com/Bstr.h"
#include "platform/window/Desktop.h"

namespace ids = resources::pnr_creation_fit;
using namespace platform;
using fit::LookupKind;

int CPNRCreationFIT::CustomerSource() const {
  const Window& list = *dialog()->child(ids::kCustomerSource);
  const ListEntry* entry = list.entry(list.currentEntry());
  return entry != nullptr ? static_cast<int>(entry->data) : fit::kSourceDoss;
}

// The back office answers through receivedFrom; DOSS through its traveller-profile dialog.
void CPNRCreationFIT::StartLookup(LookupKind kind, int row) {
  if (CustomerSource() == fit::kSourceLedgerwise) {
    rows_[static_cast<std::size_t>(row)].profileMarker = true;
    pendingKind_ = kind;
    pendingRow_ = row;
    const std::string digit = std::to_string(static_cast<int>(kind) + 1);
    fit::writeUserValue("CP_Msg", digit);
    fit::writeUserValue("CP_RenderTree", exchange_.renderTree());
    fireEvent(typelib::Event::SendTo, {"FIT", "CP", digit});
    return;
  }
  rows_[static_cast<std::size_t>(row)].profileMarker = false;
  if (kind == LookupKind::Surname) ChooseTravellerProfile(row);
}

void CPNRCreationFIT::ChooseTravellerProfile(int row) {
  dialogs_.Find(fit::HostedDialog::TravellerProfile)->Prepare(*dialog());
  const auto answer = platform::modalDialog("doss", dialog());
  if (!answer || answer->size() < 2) return;
  fields::CFieldName& name = rows_[static_cast<std::size_t>(row)].name;
  name.SetSurname((*answer)[0]);
  name.SetGivenName((*answer)[1]);
}

// The Add Passenger dialog hands back its markers and its list text; a profile exchange made
// in it may have asked for the home and business phones.
void CPNRCreationFIT::AddPassengers() {
  std::optional<fit::SavedAddPassengerList> list = fit::runAddPassengerDialog(
      *dialog(), CustomerSource(), addedPassengers_ ? &*addedPassengers_ : nullptr,
      dialogs_.AddPassenger(), exchange_, homePhone_, businessPhone_);
  if (list) addedPassengers_ = std::move(*list);
}

HRESULT CPNRCreationFIT::receivedFrom(BSTR, BSTR, BSTR text) {
  if (dialog() == nullptr) return S_OK;
  const std::string record = latin1FromBstr(text);
  if (exchange_.routeReceivedFrom()) {
    dialogs_.AddPassenger().TakeProfileAnswer(record);
  } else {
    ImportProfile(record, pendingKind_, pendingRow_);
  }
  fit::writeUserValue("CP_RenderTree", "");
  return S_OK;
}

void CPNRCreationFIT::ImportProfile(std::string_view text, LookupKind kind, int row) {
  const fit::MarketSettings market = fit::readMarketSettings(fit::installFolder());
  ApplyImport(fit::importProfile(text, kind, row, market.autoCreateSalesFolder));
}

void CPNRCreationFIT::ApplyImport(const fit::ProfileImport& imported) {
  if (imported.row < 0 || imported.row >= fit::kPassengerRows) return;
  const auto row = static_cast<std::size_t>(imported.row);
  Row& target = rows_[row];
  if (imported.rowFill) {
    target.name.SetSurname(imported.rowFill->surname);
    target.name.SetGivenName(imported.rowFill->givenName);
    target.title.SetText(imported.rowFill->title);
    SetRowPtc(row, imported.rowFill->ptc);
  }
  if (imported.firstRow) ApplyFirstRow(*imported.firstRow);
  if (imported.dependantNumber) target.dependantNumber = *imported.dependantNumber;
  if (imported.sfCustId) sfCustId_.SetText(*imported.sfCustId);
  if (imported.record) target.profile = *imported.record;
  pendingKind_ = LookupKind::Surname;
  pendingRow_ = -1;
  fit::writeUserValue("FIT_Msg", "");
}

void CPNRCreationFIT::ApplyFirstRow(const fit::FirstRowFill& fill) {
  profileStrings_.surname = fill.profileSurname;
  profileStrings_.givenName = fill.profileGivenName;
  profileStrings_.travellerName = fill.profileTravellerName;
  profileStrings_.companyName = fill.companyName;
  profileStrings_.corporateId = fill.corporateId;
  profileStrings_.home = {fill.homePhoneFlag, fill.homePhoneValue};
  profileStrings_.mobile = {fill.mobilePhoneFlag, fill.mobilePhoneValue};
  profileStrings_.business = {fill.businessPhoneFlag, fill.businessPhoneValue};
  profileStrings_.fax = {fill.faxPhoneFlag, fill.faxPhoneValue};
  if (fill.billToCompany != fit::BillToCompany::Leave) {
    const bool billed = fill.billToCompany == fit::BillToCompany::Check;
    billToCompany_.Enable(billed);
    billToCompany_.SetChecked(billed);
    sfCustId_.SetText(fill.sfCustId);
  }
  ApplyBillingRules();
  contactPerson_.SetText(fill.contactPerson);
  businessPhone_.SetText(fill.businessPhone);
  homePhone_.SetText(fill.homePhone);
  mobilePhone_.SetText(fill.mobilePhone);
  fax_.SetText(fill.fax);
  email_.SetEmail(fill.email);
  const std::array<const std::string*, 5> numbers{
      &fill.department, &fill.icNumber, &fill.employeeNumber, &fill.exitPermitNumber, nullptr};
  for (std::size_t index = 0; index < personnel_.size(); ++index) {
    personnel_[index].edit.SetText(numbers[index] != nullptr ? *numbers[index] : "");
    personnel_[index].box.SetChecked(false);
  }
  ApplyPersonnelRules();
  autoCreate_.SetCheck(fill.autoCreate ? 1 : 0);
  for (Address* address : {&billing_, &delivery_}) address->box.SetChecked(false);
  for (std::size_t line = 0; line < billing_.lines.size(); ++line) {
    billing_.lines[line].SetText(fill.billingLines[line]);
    delivery_.lines[line].SetText(fill.deliveryLines[line]);
  }
  ApplyAddressRule(billing_);
  ApplyAddressRule(delivery_);
}
