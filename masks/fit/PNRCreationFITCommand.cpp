// The input of the individual creation command, gathered when the host's reply to "%%JX AIT"
// arrives: the passenger slots, the contacts, billing and personnel numbers, and the items
// the back office asks for.

#include "framework/WindowText.h"
#include "masks/fit/CardChoice.h"
#include "masks/fit/FitMaskTables.h"
#include "masks/fit/InstallFolder.h"
#include "masks/fit/PNRCreationFIT.h"

namespace ids = resources::pnr_creation_fit;

namespace {

constexpr std::size_t kCommandPartBuffer = 101;  // SF Cust ID, DK Number, CTP: 100 characters

}  // namespace

fit::FitCommandInput CPNRCreationFIT::GatherCommandInput(const fit::BookingData& booking) {
  fit::FitCommandInput input;
  GatherSlots(input);
  const fit::BackOfficeSwitches switches = fit::readBackOfficeSwitches();
  const fit::MarketSettings market = fit::readMarketSettings(fit::installFolder());
  GatherContacts(input);
  input.sendPhoneEntry =
      fit::sendsPhoneEntry(market, rows_[0].profile[fit::ProfileField::CustomerNumber],
                           booking.segments.empty(), switches.passport);
  GatherBillingAndPersonnel(input);
  input.billWithIndicator = market.billWithIndicator;
  input.backOfficeContacts = switches.contacts;
  input.backOfficeFrequentFlyer = switches.frequentFlyer;
  input.backOfficePassport = switches.passport;
  GatherDocumentItems(input, booking, switches);
  return input;
}

// The agency, ticketing, phones, the profile's strings and the documents' fragments.
void CPNRCreationFIT::GatherContacts(fit::FitCommandInput& input) {
  input.copyFromDoss = copyFromDoss_.IsChecked();
  agency_.BuildFragment(input.agencyPhoneLine, input.agencyAddressLine);
  input.ticketingTimeLimit = ttl_.BuildFragment(false);
  input.receivedFrom = receivedFrom_.BuildFragment(false);
  input.businessPhone = Text(ids::kBusinessPhone);
  input.contactPerson = Text(ids::kContactPerson);
  input.mobilePhone = Text(ids::kMobilePhone);
  input.homePhone = Text(ids::kHomePhone);
  input.faxFragment = fax_.BuildFragment();
  input.faxNumber = Text(ids::kFax);
  input.companyName = profileStrings_.companyName;
  input.profileTravellerName = profileStrings_.travellerName;
  input.profileSurname = profileStrings_.surname;
  input.profileGivenName = profileStrings_.givenName;
  input.businessProfilePhone = profileStrings_.business;
  input.mobileProfilePhone = profileStrings_.mobile;
  input.homeProfilePhone = profileStrings_.home;
  input.faxProfilePhone = profileStrings_.fax;
  input.emailFragment = email_.BuildFragment();
  input.remarksFragment = remarks_.BuildFragment();
  input.identityDocumentFragment = idDoc_.BuildFragment();
  input.passportFragment = passport_.BuildFragment();
}

void CPNRCreationFIT::GatherBillingAndPersonnel(fit::FitCommandInput& input) {
  const std::array<fit::PersonnelNumber*, 5> numbers{&input.department, &input.icNumber,
                                                     &input.employeeNumber, &input.exitPermit,
                                                     &input.dependentIc};
  for (std::size_t index = 0; index < fit::kPersonnel.size(); ++index) {
    *numbers[index] = {personnel_[index].box.IsChecked(), Text(fit::kPersonnel[index].edit)};
  }
  input.backOffice = backOffice_;
  input.autoCreateFragment = autoCreate_.BuildFragment();
  const platform::Window& dialog = *this->dialog();
  input.sfCustId = framework::itemText(dialog, ids::kSfCustId, kCommandPartBuffer);
  input.dkNumber = framework::itemText(dialog, ids::kDkNumber, kCommandPartBuffer);
  input.billToCompanyEnabled = billToCompany_.IsEnabled();
  input.billToCompanyChecked = billToCompany_.IsChecked();
  input.ctp = framework::itemText(dialog, ids::kCtp, kCommandPartBuffer);
  input.delivery.checked = delivery_.box.IsChecked();
  input.billing.checked = billing_.box.IsChecked();
  for (std::size_t line = 0; line < 5; ++line) {
    input.delivery.lines[line] = Text(ids::kDeliveryLines[line]);
    input.billing.lines[line] = Text(ids::kBillingLines[line]);
  }
}

// The frequent-flyer and travel-document items of the travellers with a profile record, by
// their passenger name numbers.
void CPNRCreationFIT::GatherDocumentItems(fit::FitCommandInput& input,
                                          const fit::BookingData& booking,
                                          const fit::BackOfficeSwitches& switches) {
  if (!switches.frequentFlyer && !switches.passport) return;
  const fit::PassengerStrings strings = fit::buildPassengerStrings(input.slots, std::nullopt);
  std::vector<fit::DocumentTraveller> travellers;
  for (std::size_t slot = 0; slot < input.slots.size(); ++slot) {
    const int nameNumber = slot < strings.nameNumbers.size() ? strings.nameNumbers[slot] : 0;
    if (nameNumber == 0) continue;
    const fit::MainRecord& profile = slot < rows_.size()
                                         ? rows_[slot].profile
                                         : addedPassengers_->entries[slot - rows_.size()].profile;
    if (profile.fieldCount == 0) continue;
    travellers.push_back({nameNumber, profile});
  }
  if (switches.frequentFlyer) {
    input.frequentFlyerItems =
        fit::frequentFlyerItems(travellers, booking.bookedAirlines, codeLists_.airlineAlliances,
                                [this](const fit::DocumentTraveller& traveller,
                                       const std::vector<fit::EligibleCard>& cards) {
                                  return fit::chooseCard(mask(), traveller, cards);
                                });
  }
  if (switches.passport) {
    input.travelDocumentItems = fit::travelDocumentItems(
        travellers, booking, codeLists_.passportAirlines,
        {strings.firstProfileCustomerNumber, input.homePhone, input.mobilePhone});
  }
}
