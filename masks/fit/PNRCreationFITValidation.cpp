// The checks of the individual creation mask on Send, in their order: the rows, the agency,
// the contacts, billing, ticketing, the addresses, the personnel numbers, the documents and
// the CTP.

#include "masks/fit/FitMaskTables.h"
#include "masks/fit/PNRCreationFIT.h"

namespace ids = resources::pnr_creation_fit;

bool CPNRCreationFIT::ReportFault(const fit::FitFault& fault) {
  if (fault.character) return FaultAt(fault.controlId, fault.errorKey, *fault.character);
  return Fault(fault.controlId, fault.errorKey);
}

bool CPNRCreationFIT::ValidateAddresses() {
  for (const auto& [address, lineIds] :
       {std::pair{&billing_, ids::kBillingLines}, std::pair{&delivery_, ids::kDeliveryLines}}) {
    if (!address->box.IsChecked()) continue;
    std::array<std::string, 5> lines;
    for (std::size_t line = 0; line < lines.size(); ++line) lines[line] = Text(lineIds[line]);
    if (const auto fault = fit::checkAddress(lines, lineIds)) return ReportFault(*fault);
  }
  return true;
}

bool CPNRCreationFIT::ValidateFields() {
  if (!ValidateRows()) return false;
  if (!copyFromDoss_.IsChecked() && agency_.Validate() == 0) return false;
  const fit::PhoneTexts phones{Text(ids::kContactPerson), Text(ids::kBusinessPhone),
                               Text(ids::kMobilePhone), Text(ids::kHomePhone)};
  if (const auto fault = fit::checkPhones(phones)) return ReportFault(*fault);
  if (fax_.Validate() == 0) return false;
  if (const auto fault = fit::checkFaxCharacters(Text(ids::kFax))) return ReportFault(*fault);
  const fit::BillingTexts billing{Text(ids::kSfCustId), Text(ids::kDkNumber),
                                  billToCompany_.IsEnabled(), billToCompany_.IsChecked()};
  if (const auto fault = fit::checkBilling(billing)) return ReportFault(*fault);
  if (ttl_.Validate() == 0 || receivedFrom_.Validate() == 0) return false;
  if (const auto fault = fit::checkReceivedFromCharacters(Text(ids::kReceivedFrom))) {
    return ReportFault(*fault);
  }
  if (!ValidateAddresses()) return false;
  const auto number = [&](std::size_t index) {
    return fit::PersonnelTexts::Number{personnel_[index].box.IsChecked(),
                                       Text(fit::kPersonnel[index].edit)};
  };
  const fit::PersonnelTexts personnel{number(0), number(1), number(2), number(3), number(4)};
  if (const auto fault = fit::checkPersonnel(personnel)) return ReportFault(*fault);
  if (email_.Validate() == 0 || remarks_.Validate() == 0 || idDoc_.Validate() == 0 ||
      passport_.Validate() == 0 || autoCreate_.Validate() == 0) {
    return false;
  }
  if (const auto fault = fit::checkCtp(Text(ids::kCtp))) return ReportFault(*fault);
  return true;
}
