#include "masks/fit/ProfileImport.h"

#include "platform/text/TextRules.h"

namespace fit {
namespace {

using F = ProfileField;

RowFill rowFillFrom(const MainRecord& record) {
  const TravellerName name = splitTravellerName(record[F::PassengerName]);
  return {name.surname, name.givenName, record[F::Title], ptcFromProfileCode(record[F::Ptc])};
}

FirstRowFill firstRowFillFrom(const MainRecord& record, const RowFill& row,
                              bool autoCreateSetting) {
  FirstRowFill fill;
  fill.profileSurname = row.surname;
  fill.profileGivenName = row.givenName;
  fill.profileTravellerName = record[F::PassengerName];
  const std::string& billTo = record[F::BillTo];
  if (billTo == "TRUE") {
    fill.billToCompany = BillToCompany::Check;
    fill.sfCustId = record[F::CorporateId];
  } else if (billTo.empty() || billTo == "FALSE") {
    fill.billToCompany = BillToCompany::Uncheck;
    fill.sfCustId = record[F::CustomerNumber];
  }
  fill.contactPerson = std::string(
      platform::trimWhiteSpace(record[F::ContactSurname] + " " + record[F::ContactGivenName]));
  fill.businessPhone = record[F::BusinessPhone];
  fill.homePhone = record[F::HomePhone];
  fill.mobilePhone = record[F::MobilePhone];
  fill.fax = record[F::ContactFax];
  fill.email = record[F::Email];
  fill.department = record[F::Department];
  fill.icNumber = record[F::IcNumber];
  fill.employeeNumber = record[F::EmployeeNumber];
  fill.exitPermitNumber = record[F::ExitPermitNumber];
  fill.autoCreate = autoCreateSetting;
  fill.billingLines = addressLines(record[F::BillingAddress]);
  fill.deliveryLines = addressLines(record[F::DeliveryAddress]);
  fill.companyName = record[F::CompanyName];
  fill.corporateId = record[F::CorporateId];
  fill.homePhoneValue = record[F::HomePhoneValue];
  fill.mobilePhoneValue = record[F::MobilePhoneValue];
  fill.businessPhoneValue = record[F::BusinessPhoneValue];
  fill.faxPhoneValue = record[F::FaxPhoneValue];
  fill.homePhoneFlag = record[F::HomePhoneFlag];
  fill.mobilePhoneFlag = record[F::MobilePhoneFlag];
  fill.businessPhoneFlag = record[F::BusinessPhoneFlag];
  fill.faxPhoneFlag = record[F::FaxPhoneFlag];
  return fill;
}

}  // namespace

ProfileImport importProfile(std::string_view text, LookupKind kind, int row,
                            bool autoCreateSetting) {
  ProfileImport result;
  if (row < 0 || row >= kPassengerRows) {
    kind = LookupKind::Surname;
    row = 0;
  }
  result.row = row;
  result.kind = kind;
  switch (kind) {
    case LookupKind::Surname: {
      result.record = parseMainRecord(text);
      result.rowFill = rowFillFrom(*result.record);
      result.dependantNumber = std::string();
      if (row == 0)
        result.firstRow = firstRowFillFrom(*result.record, *result.rowFill, autoCreateSetting);
      break;
    }
    case LookupKind::GivenName: {
      const DependantRecord dependant = parseDependantRecord(text);
      result.rowFill =
          RowFill{dependant.surname, dependant.givenName, dependant.title, ptcFromProfileCode({})};
      result.dependantNumber = dependant.dependantNumber;
      result.record = MainRecord{};
      break;
    }
    case LookupKind::Corporate:
      result.sfCustId = parseCorporateRecord(text);
      break;
  }
  return result;
}

std::optional<DialogRecord> readDialogRecord(std::string_view text, LookupKind kind) {
  if (text.size() >= 1024) return std::nullopt;
  DialogRecord record;
  record.kind = kind;
  switch (kind) {
    case LookupKind::Surname:
      record.main = parseMainRecord(text, Cleaning::AsGiven, kDialogRecordFields);
      break;
    case LookupKind::GivenName:
      record.dependant = parseDependantRecord(text);
      break;
    case LookupKind::Corporate:
      record.corporate = parseCorporateRecord(text);
      break;
  }
  return record;
}

std::array<std::string, kAddressLines> addressLines(std::string_view text) {
  std::array<std::string, kAddressLines> lines;
  std::size_t line = 0;
  for (std::size_t i = 0; i < text.size() && line < kAddressLines; ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      continue;
    }
    if (lines[line].size() < kAddressLineLength) lines[line] += c;
  }
  return lines;
}

}  // namespace fit
