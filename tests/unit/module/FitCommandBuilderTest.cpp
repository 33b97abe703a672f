// The individual creation command, step by step, on small inputs.

#include "masks/fit/FitCommandBuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace fit;

const std::string S = "\\u00A7";
const std::string C = "\\u00A4";

PassengerSlot named(std::string surname, std::string given, std::string title = "",
                    Ptc ptc = Ptc::Adult, std::string ageOrCode = "") {
  PassengerSlot s;
  s.surname = std::move(surname);
  s.givenName = std::move(given);
  s.title = std::move(title);
  s.ptc = ptc;
  (ptc == Ptc::Others ? s.others : s.age) = std::move(ageOrCode);
  return s;
}

FitCommandInput oneAdult() {
  FitCommandInput input;
  input.slots = {named("SMITH", "JOHN", "MR")};
  return input;
}

TEST(FitCommandBuilderTest, EmptyInputGivesTheEmptyCommand) {
  EXPECT_EQ(buildFitCommand({}), "");
  FitCommandInput input;
  input.slots.resize(18);
  input.sendPhoneEntry = true;
  input.backOffice = true;
  input.delivery.checked = false;
  EXPECT_EQ(buildFitCommand(input), "");
}

TEST(FitCommandBuilderTest, NamesAloneEndWithTheClosingItem) {
  EXPECT_EQ(buildFitCommand(oneAdult()), "-SMITH/JOHNMR|*A");
  FitCommandInput input;
  input.slots = {named("TAN", "BB", "MSTR", Ptc::Infant, "10"), named("", "")};
  input.slots.resize(9);
  input.slots.push_back(named("ADDED", "ONE"));
  EXPECT_EQ(buildFitCommand(input), "-I/TAN/BBMSTR*I10" + S + "-ADDED/ONE|*A");
}

TEST(FitCommandBuilderTest, AgencyTicketingAndReceivedFromFollowTheNames) {
  FitCommandInput input = oneAdult();
  input.agencyPhoneLine = "9 AGENCY-A";
  input.ticketingTimeLimit = "TKTL";
  input.receivedFrom = "RFJOHN";
  EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|9 AGENCY-A" + S + "TKTL" + S + "RFJOHN|*A");
  input.copyFromDoss = true;
  EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|TKTL" + S + "RFJOHN|N*" + C + S + "NM|*A");
}

TEST(FitCommandBuilderTest, PhoneItemsOpenTheirOwnGroup) {
  struct Case {
    std::string name;
    void (*set)(FitCommandInput&);
    std::string phones;  // between the names and the closing "|*A"
  };
  const std::vector<Case> cases = {
      {"business with person and company",
       [](FitCommandInput& in) {
         in.businessPhone = "6123";
         in.contactPerson = "LEE";
         in.companyName = "ACME";
       },
       "|9 6123/LEE-B/ACME"},
      {"business with profile flags",
       [](FitCommandInput& in) {
         in.businessPhone = "6123";
         in.businessProfilePhone = {"False", "True"};
       },
       "|5 6123-B"},
      {"mobile and home only with the market setting",
       [](FitCommandInput& in) {
         in.mobilePhone = "9111";
         in.homePhone = "6222";
       },
       ""},
      {"mobile and home with the profile's names",
       [](FitCommandInput& in) {
         in.sendPhoneEntry = true;
         in.mobilePhone = "9111";
         in.homePhone = "6222";
         in.homeProfilePhone = {"False", "True"};
         in.profileSurname = "SMITH";
         in.profileGivenName = "JOHN";
       },
       "|9 9111/SMITH JOHN-C" + S + "5 6222/SMITH JOHN-H"},
      {"fax alone, with the first character rule",
       [](FitCommandInput& in) {
         in.faxFragment = "9 5551234-F";
         in.faxProfilePhone = {"False", "True"};
       },
       "|5 5551234-F"},
      {"business then fax",
       [](FitCommandInput& in) {
         in.businessPhone = "6123";
         in.faxFragment = "9 555-F";
       },
       "|9 6123-B" + S + "9 555-F"},
      {"phones of only blanks add no item",
       [](FitCommandInput& in) {
         in.sendPhoneEntry = true;
         in.businessPhone = "  ";
         in.contactPerson = "LEE";
         in.mobilePhone = " ";
         in.homePhone = "   ";
         in.profileSurname = "SMITH";
       },
       ""},
      {"a contact person of only blanks adds no name",
       [](FitCommandInput& in) {
         in.businessPhone = "6123";
         in.contactPerson = "  ";
       },
       "|9 6123-B"},
  };
  for (const Case& c : cases) {
    FitCommandInput input = oneAdult();
    input.receivedFrom = "RF";
    c.set(input);
    EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|RF" + c.phones + "|*A") << c.name;
  }
}

TEST(FitCommandBuilderTest, FieldFragmentsAndPersonnelNumbers) {
  FitCommandInput input = oneAdult();
  input.emailFragment = "PE";
  input.remarksFragment = "RM";
  input.identityDocumentFragment = "ID";
  input.passportFragment = "SSR";
  input.department = {true, "D1"};
  input.icNumber = {false, "NOT"};
  input.employeeNumber = {true, "E2"};
  input.exitPermit = {true, "X3"};
  input.dependentIc = {true, std::string(150, '7')};
  EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|PE" + S + "RM" + S + "ID" + S + "SSR" + S +
                                        "5DEPD1-SMITH/JOHN" + S + "5EMPE2-SMITH/JOHN" + S +
                                        "5EPX3-SMITH/JOHN" + S + "5IC" + std::string(100, '7') +
                                        "|*A");
  input = oneAdult();
  input.icNumber = {true, "S1"};
  input.profileTravellerName = "LEE  TAN MEI ";
  EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|5ICS1-LEE/TAN MEI|*A");
  input.profileTravellerName = "LEE";
  EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|5ICS1-LEE/|*A");
}

TEST(FitCommandBuilderTest, BillingItemsOnlyWithTheBackOffice) {
  struct Case {
    std::string name;
    std::string autoCreate, sfCustId, dkNumber;
    bool withIndicator, enabled, checked;
    std::string billing;
  };
  const std::vector<Case> cases = {
      {"SF and DK after no auto-create", "", "ABC1234", "DK99", false, true, false,
       "|5.BILL/ABC1234" + S + "DKDK99"},
      {"SF and DK after auto-create", "AUTO", "ABC1234", "DK99", false, true, false,
       "|AUTO" + S + "50/.BILL/ABC1234" + S + "DKDK99"},
      {"DK alone", "", "", "123456", false, true, false, "|DK123456"},
      {"company indicator", "", "ABC1234", "", true, true, true, "|5.BILL/ABC1234/COM"},
      {"personal indicator", "", "ABC1234", "", true, true, false, "|5.BILL/ABC1234/PER"},
      {"no indicator for six characters", "", "ABC123", "", true, true, true, "|5.BILL/ABC123"},
      {"no indicator while the box is disabled", "", "ABC1234", "", true, false, true,
       "|5.BILL/ABC1234"},
      {"auto-create alone", "AUTO", "", "", false, false, false, "|AUTO"},
  };
  for (const Case& c : cases) {
    FitCommandInput input = oneAdult();
    input.backOffice = true;
    input.autoCreateFragment = c.autoCreate;
    input.sfCustId = c.sfCustId;
    input.dkNumber = c.dkNumber;
    input.billWithIndicator = c.withIndicator;
    input.billToCompanyEnabled = c.enabled;
    input.billToCompanyChecked = c.checked;
    EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR" + c.billing + "|*A") << c.name;
    input.backOffice = false;
    EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR|*A") << c.name;
  }
}

TEST(FitCommandBuilderTest, AddressBlocks) {
  struct Case {
    std::string name;
    AddressBlock delivery, billing;
    std::string addresses;
  };
  const std::vector<Case> cases = {
      {"delivery lines 1 and 3", {true, {"L1", "", "L3"}}, {}, "|5DL-L1" + S + "5DL-L3"},
      {"delivery line 3 only", {true, {"", "", "L3"}}, {}, "|" + S + "5DL-L3"},
      {"delivery checked and empty", {true, {}}, {}, "|"},
      {"billing alone opens a group", {}, {true, {"B1", "B2"}}, "|5/B1" + S + "5/B2"},
      {"billing after delivery", {true, {"L1"}}, {true, {"B1"}}, "|5DL-L1" + S + "5/B1"},
      {"unchecked lines are not written", {false, {"L1"}}, {false, {"B1"}}, ""},
  };
  for (const Case& c : cases) {
    FitCommandInput input = oneAdult();
    input.delivery = c.delivery;
    input.billing = c.billing;
    EXPECT_EQ(buildFitCommand(input), "-SMITH/JOHNMR" + c.addresses + "|*A") << c.name;
  }
}

TEST(FitCommandBuilderTest, AgencyAddressPdtReferencesAndCtpCloseTheCommand) {
  FitCommandInput input;
  input.slots = {named("A", "B", "", Ptc::Others, "ZZZ"), named("C", "D"),
                 named("E", "F", "", Ptc::Others, "YYY")};
  input.slots[1].profileMarker = true;
  input.slots[1].customerNumber = "C1";
  input.agencyAddressLine = "W-AGENCY*STREET";
  input.ctp = "CTP1";
  EXPECT_EQ(buildFitCommand(input), "-A/B" + S + "-C/D" + S + "-E/F|W-AGENCY*STREET|PDTZZZ-1.1" +
                                        S + "PDTYYY-3.1|50/NAMEREF,C/D-C1|PGM.CTP1|*A");
  input.agencyAddressLine = "AGENCY*STREET";  // no "W-": not placed
  input.ctp.clear();
  EXPECT_EQ(buildFitCommand(input),
            "-A/B" + S + "-C/D" + S + "-E/F|PDTZZZ-1.1" + S + "PDTYYY-3.1|50/NAMEREF,C/D-C1|*A");
}

TEST(FitCommandBuilderTest, ContactFrequentFlyerAndDocumentItemsBeforeTheEnd) {
  FitCommandInput input = oneAdult();
  input.slots[0].profileMarker = true;
  input.slots[0].customerNumber = "C1";
  input.slots[0].companyName = "ACME";
  input.businessPhone = "6123";
  input.faxNumber = "555";
  input.backOfficeContacts = true;
  input.frequentFlyerItems = "FFSQ1-1.1|";
  input.travelDocumentItems = "3DOCS/P-1.1|";
  EXPECT_EQ(buildFitCommand(input),
            "-SMITH/JOHNMR|9 6123-B|50/NAMEREF,SMITH/JOHNMR-C1|9 CTCB TEL 6123/FAX 555/ |"
            "9 CTCB ACME|*A");
  input.backOfficeFrequentFlyer = true;
  input.backOfficePassport = true;
  input.backOfficeContacts = false;
  EXPECT_EQ(buildFitCommand(input),
            "-SMITH/JOHNMR|9 6123-B|50/NAMEREF,SMITH/JOHNMR-C1|FFSQ1-1.1|3DOCS/P-1.1|*A");
}

TEST(FitCommandBuilderTest, NoNamesStillBuildsTheOtherItems) {
  FitCommandInput input;
  input.receivedFrom = "RF";
  EXPECT_EQ(buildFitCommand(input), "|RF|*A");
}

}  // namespace
