// The individual creation command with nine passenger rows filled, every box that adds items
// checked and three profile travellers: the checks Send runs before it asks the host for the
// booking (the rows' PTC rules and the mask's own checks of its texts), and the build after
// the host's reply (booking data, frequent-flyer and travel-document items, the command). The
// checks of the reusable fields (names, titles, dates) act on their windows and are measured
// with the masks that own them.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "masks/fit/BookingData.h"
#include "masks/fit/FitChecks.h"
#include "masks/fit/FitCommandBuilder.h"
#include "masks/fit/PassengerItems.h"
#include "masks/fit/PassengerRowRules.h"
#include "masks/fit/ProfileRecord.h"
#include "masks/fit/TravelDocumentItems.h"

namespace {

using namespace fit;

constexpr int kRows = 9;

PassengerRow rowOf(int index) {
  static const char* const kSurnames[] = {"SMITH",  "TAN",   "LEE",    "WONG", "GARCIA",
                                          "MULLER", "ROSSI", "NGUYEN", "KIM"};
  PassengerRow row;
  row.surname = kSurnames[index];
  row.givenName = "TRAVELLER";
  switch (index % 3) {
    case 0:
      row.title = "MR";
      break;
    case 1:
      row.title = "MSTR";
      row.ptc = Ptc::Child;
      row.age = "08";
      break;
    default:
      row.ptc = Ptc::Others;
      row.others = "STU";
      break;
  }
  return row;
}

std::string profileRecord(int index) {
  std::array<std::string, kMainRecordFields> fields;
  auto set = [&fields](ProfileField field, std::string value) {
    fields[static_cast<std::size_t>(field)] = std::move(value);
  };
  set(ProfileField::PassengerName, rowOf(index).surname + " TRAVELLER");
  set(ProfileField::CustomerNumber, "C10023" + std::to_string(index));
  set(ProfileField::Gender, "Male");
  set(ProfileField::DateOfBirth, "01JAN80");
  set(ProfileField::PassportNumber1, "E123456" + std::to_string(index));
  set(ProfileField::Nationality1, "SG");
  set(ProfileField::FrequentFlyerCards, "SQ-8812345;UA-1234;LH-99887");
  set(ProfileField::OsiValue1, "VIP");
  set(ProfileField::OsiValue2, "WCHR");
  set(ProfileField::DocumentDateOfBirth, "01JAN1980");
  set(ProfileField::IssuingCountry, "SG");
  set(ProfileField::ExpiryDate, "31DEC30");
  std::string text = "1";
  for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "\\" : "") + fields[i];
  return text;
}

// The host's reply to "%%JX AIT" for three segments on two airlines.
const std::string kBookingReply =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><VELANO><N_AIRAALSAD0PNR0>"
    "<N_AIR000><N_001N>01</N_001N><N_000B>SQ</N_000B></N_AIR000>"
    "<N_AIR000><N_001N>02</N_001N><N_000B>LH</N_000B></N_AIR000>"
    "<N_AIR000><N_001N>03</N_001N><N_000B>SQ</N_000B></N_AIR000>"
    "<N_CPA000><N_001N>01</N_001N><N_00G3>FRA</N_00G3></N_CPA000>"
    "<N_CPA000><N_001N>02</N_001N><N_00G3>MUC</N_00G3></N_CPA000>"
    "<N_CPA000><N_001N>03</N_001N><N_00G3>BKK</N_00G3></N_CPA000>"
    "</N_AIRAALSAD0PNR0></VELANO>";

struct FitScreen {
  std::vector<PassengerRow> rows;
  std::vector<MainRecord> profiles;  // the rows 0, 3 and 6 came from profiles
  PhoneTexts phones{"JOHN SMITH", "65 6123-4567", "9123 4567", "6555 0000"};
  std::string fax = "65 6000-2222";
  BillingTexts billing{"CORP123456", "1234567", true, true};
  std::string receivedFrom = "MR SMITH/AGENT";
  std::array<std::string, 5> address{"1 MAIN STREET", "SUITE 4", "SINGAPORE 049315", "", ""};
  std::array<int, 5> addressIds{101, 102, 103, 104, 105};
  PersonnelTexts personnel{
      {true, "SALES 1"}, {true, "S1234567A"}, {true, "EMP42"}, {true, "XP1234"}, {false, ""}};
  std::string ctp = "CTP-1/A";
  CodeList alliances{{"STAR", "SQ"}, {"STAR", "LH"}, {"STAR", "UA"}};
  CodeList passportAirlines{{"DOCS", "SQ"}, {"PSPT", "LH"}};

  FitScreen() {
    for (int i = 0; i < kRows; ++i) rows.push_back(rowOf(i));
    for (int i : {0, 3, 6}) profiles.push_back(parseMainRecord(profileRecord(i)));
  }
};

// The checks before the host is asked: all pass, so every one runs.
bool validate(const FitScreen& screen) {
  for (const PassengerRow& row : screen.rows) {
    (void)rowEnabling(row.ptc);
    if (checkRowNames(row) || checkRowPtc(row)) return false;
  }
  return !checkPhones(screen.phones) && !checkFaxCharacters(screen.fax) &&
         !checkBilling(screen.billing) && !checkReceivedFromCharacters(screen.receivedFrom) &&
         !checkAddress(screen.address, screen.addressIds) &&
         !checkAddress(screen.address, screen.addressIds) && !checkPersonnel(screen.personnel) &&
         !checkCtp(screen.ctp);
}

std::string build(const FitScreen& screen, std::string_view reply) {
  const BookingData booking = readBookingData(reply);
  FitCommandInput input;
  std::vector<DocumentTraveller> travellers;
  for (int i = 0; i < kRows; ++i) {
    const PassengerRow& row = screen.rows[static_cast<std::size_t>(i)];
    PassengerSlot slot;
    slot.surname = row.surname;
    slot.givenName = row.givenName;
    slot.title = row.title;
    slot.ptc = row.ptc;
    slot.age = row.age;
    slot.others = row.others;
    if (i % 3 == 0) {
      const MainRecord& profile = screen.profiles[static_cast<std::size_t>(i / 3)];
      slot.profileMarker = true;
      slot.customerNumber = profile[ProfileField::CustomerNumber];
      slot.companyName = "ACME PTE LTD";
      travellers.push_back({i + 1, profile});
    }
    input.slots.push_back(std::move(slot));
  }
  input.agencyPhoneLine = "9 65 6123 4567-A";
  input.agencyAddressLine = "W-QUILLET TRAVEL*12 HARBOUR STREET*SINGAPORE";
  input.ticketingTimeLimit = "TKTL15MAR";
  input.receivedFrom = "RF" + screen.receivedFrom;
  input.businessPhone = screen.phones.businessPhone;
  input.contactPerson = screen.phones.contactPerson;
  input.mobilePhone = screen.phones.mobilePhone;
  input.homePhone = screen.phones.homePhone;
  input.faxFragment = "9 " + screen.fax + "-F";
  input.faxNumber = screen.fax;
  input.sendPhoneEntry = true;
  input.profileTravellerName = "SMITH TRAVELLER";
  input.emailFragment = "PEJOHN.SMITH@EXAMPLE.COM";
  input.remarksFragment = "RMCALL CLIENT";
  input.department = {true, screen.personnel.department.text};
  input.icNumber = {true, screen.personnel.icNumber.text};
  input.employeeNumber = {true, screen.personnel.employeeNumber.text};
  input.exitPermit = {true, screen.personnel.exitPermit.text};
  input.backOffice = true;
  input.sfCustId = screen.billing.sfCustId;
  input.dkNumber = screen.billing.dkNumber;
  input.billWithIndicator = true;
  input.billToCompanyEnabled = true;
  input.billToCompanyChecked = true;
  input.ctp = screen.ctp;
  input.delivery = {true, screen.address};
  input.billing = {true, screen.address};
  input.backOfficeContacts = true;
  input.backOfficeFrequentFlyer = true;
  input.backOfficePassport = true;
  input.frequentFlyerItems =
      frequentFlyerItems(travellers, booking.bookedAirlines, screen.alliances,
                         [](const DocumentTraveller&, const std::vector<EligibleCard>&) {
                           return std::optional<std::size_t>(0);
                         });
  input.travelDocumentItems = travelDocumentItems(
      travellers, booking, screen.passportAirlines,
      {travellers.front().profile[ProfileField::CustomerNumber], "6555 0000", "9123 4567"});
  return buildFitCommand(input);
}

void BM_FitValidate(benchmark::State& state) {
  const FitScreen screen;
  for (auto _ : state) benchmark::DoNotOptimize(validate(screen));
}

void BM_FitBuild(benchmark::State& state) {
  const FitScreen screen;
  state.SetLabel(std::to_string(build(screen, kBookingReply).size()) + " command bytes");
  for (auto _ : state) benchmark::DoNotOptimize(build(screen, kBookingReply));
}

void BM_FitValidateAndBuild(benchmark::State& state) {
  const FitScreen screen;
  if (!validate(screen) || build(screen, kBookingReply).empty()) {
    state.SkipWithError("the benchmark's screen does not pass its checks");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(validate(screen));
    benchmark::DoNotOptimize(build(screen, kBookingReply));
  }
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("FitCommand/Validate/9Rows", BM_FitValidate);
  benchmark::RegisterBenchmark("FitCommand/Build/9Rows", BM_FitBuild);
  benchmark::RegisterBenchmark("FitCommand/ValidateAndBuild/9Rows", BM_FitValidateAndBuild);
  return true;
}();

}  // namespace
