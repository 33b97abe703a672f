// Importing a customer profile record into the individual creation mask, as data; the install
// folder; and the hand-over file left in it.

#include "masks/fit/ProfileImport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/services/TorvanArch.h"
#include "masks/fit/HandOverFile.h"
#include "masks/fit/InstallFolder.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using namespace fit;
using F = ProfileField;

std::string record(const std::vector<std::pair<F, std::string>>& values) {
  std::array<std::string, kMainRecordFields> fields;
  for (const auto& [field, value] : values) fields[static_cast<std::size_t>(field)] = value;
  std::string text = "1";
  for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "\\" : "") + fields[i];
  return text;
}

const std::string kTraveller = record({
    {F::PassengerName, "LEE TAN MEI"},
    {F::Title, "MRS"},
    {F::Ptc, "C07"},
    {F::CustomerNumber, "CUST01"},
    {F::HomePhone, "611"},
    {F::MobilePhone, "9123-4567"},
    {F::BusinessPhone, "622"},
    {F::Email, "mei@x.com"},
    {F::IcNumber, "S123"},
    {F::ExitPermitNumber, "EP9"},
    {F::EmployeeNumber, "E77"},
    {F::Department, "SALES"},
    {F::BillTo, "TRUE"},
    {F::CorporateId, "CORP99"},
    {F::BillingAddress, "LINE1\r\nLINE2\nLINE3\rLINE4\r\nLINE5\r\nLINE6"},
    {F::DeliveryAddress, std::string(70, 'D')},
    {F::CompanyName, "ACME"},
    {F::ContactSurname, "WONG"},
    {F::ContactGivenName, ""},
    {F::ContactFax, "633"},
    {F::HomePhoneValue, "True"},
    {F::BusinessPhoneFlag, "False"},
});

TEST(ProfileImportTest, SurnameLookupOfTheFirstRowFillsTheRowAndTheCustomerData) {
  const ProfileImport result = importProfile(kTraveller, LookupKind::Surname, 0, true);
  ASSERT_TRUE(result.rowFill && result.firstRow);
  EXPECT_EQ(result.rowFill->surname, "LEE");
  EXPECT_EQ(result.rowFill->givenName, "TAN MEI");
  EXPECT_EQ(result.rowFill->title, "MRS");
  EXPECT_EQ(result.rowFill->ptc, (PtcChoice{Ptc::Child, "07", ""}));

  const FirstRowFill& first = *result.firstRow;
  EXPECT_EQ(first.profileSurname, "LEE");
  EXPECT_EQ(first.profileGivenName, "TAN MEI");
  EXPECT_EQ(first.profileTravellerName, "LEE TAN MEI");
  EXPECT_EQ(first.billToCompany, BillToCompany::Check);
  EXPECT_EQ(first.sfCustId, "CORP99");
  EXPECT_EQ(first.contactPerson, "WONG");
  EXPECT_EQ(first.businessPhone, "622");
  EXPECT_EQ(first.homePhone, "611");
  EXPECT_EQ(first.mobilePhone, "9123 4567");
  EXPECT_EQ(first.fax, "633");
  EXPECT_EQ(first.email, "mei@x.com");
  EXPECT_EQ(first.department, "SALES");
  EXPECT_EQ(first.icNumber, "S123");
  EXPECT_EQ(first.employeeNumber, "E77");
  EXPECT_EQ(first.exitPermitNumber, "EP9");
  EXPECT_TRUE(first.autoCreate);
  EXPECT_EQ(first.billingLines,
            (std::array<std::string, 5>{"LINE1", "LINE2", "LINE3", "LINE4", "LINE5"}));
  EXPECT_EQ(first.deliveryLines[0], std::string(63, 'D'));
  EXPECT_EQ(first.companyName, "ACME");
  EXPECT_EQ(first.homePhoneValue, "True");
  EXPECT_EQ(first.businessPhoneFlag, "False");
  ASSERT_TRUE(result.record);
  EXPECT_EQ((*result.record)[F::CustomerNumber], "CUST01");
  // A main record makes the row a principal: an earlier dependant number goes.
  EXPECT_EQ(result.dependantNumber, "");
}

TEST(ProfileImportTest, BillToDecidesTheCompanyBoxAndTheSfCustId) {
  struct Case {
    std::string billTo;
    BillToCompany box;
    std::string sfCustId;
  };
  const std::vector<Case> cases = {
      {"TRUE", BillToCompany::Check, "CORP"},
      {"FALSE", BillToCompany::Uncheck, "CUST"},
      {"", BillToCompany::Uncheck, "CUST"},
      {"true", BillToCompany::Leave, ""},
  };
  for (const Case& c : cases) {
    const auto result = importProfile(
        record({{F::BillTo, c.billTo}, {F::CorporateId, "CORP"}, {F::CustomerNumber, "CUST"}}),
        LookupKind::Surname, 0, false);
    EXPECT_EQ(result.firstRow->billToCompany, c.box) << c.billTo;
    EXPECT_EQ(result.firstRow->sfCustId, c.sfCustId) << c.billTo;
    EXPECT_FALSE(result.firstRow->autoCreate);
  }
}

TEST(ProfileImportTest, LookupsOfOtherRowsAndKinds) {
  // Another row: the row only.
  const auto row3 = importProfile(kTraveller, LookupKind::Surname, 3, true);
  EXPECT_EQ(row3.row, 3);
  ASSERT_TRUE(row3.rowFill);
  EXPECT_EQ(row3.rowFill->surname, "LEE");
  EXPECT_FALSE(row3.firstRow);

  // No lookup pending: the first row's surname lookup.
  for (int row : {-1, 9, 1000}) {
    const auto pending = importProfile(kTraveller, LookupKind::Corporate, row, false);
    EXPECT_EQ(pending.row, 0);
    EXPECT_EQ(pending.kind, LookupKind::Surname);
    EXPECT_TRUE(pending.firstRow);
  }

  const auto dependant =
      importProfile("2 TAN \\MEI\\MS\\S1\\C1\\003\\WIFE", LookupKind::GivenName, 1, false);
  ASSERT_TRUE(dependant.rowFill);
  EXPECT_EQ(dependant.rowFill->surname, "TAN");
  EXPECT_EQ(dependant.rowFill->givenName, "MEI");
  EXPECT_EQ(dependant.rowFill->title, "MS");
  EXPECT_EQ(dependant.rowFill->ptc.ptc, Ptc::Adult);
  EXPECT_EQ(dependant.dependantNumber, "003");
  EXPECT_FALSE(dependant.firstRow);
  ASSERT_TRUE(dependant.record);
  EXPECT_EQ(dependant.record->fieldCount, 0u);

  // The corporate lookup fills the SF Cust ID only: the row keeps its record and its
  // dependant number.
  const auto corporate = importProfile("3C0RP7", LookupKind::Corporate, 0, false);
  EXPECT_EQ(corporate.sfCustId, "C0RP7");
  EXPECT_FALSE(corporate.rowFill);
  EXPECT_FALSE(corporate.firstRow);
  EXPECT_FALSE(corporate.record);
  EXPECT_FALSE(corporate.dependantNumber);
}

TEST(ProfileImportTest, BadRecordsImportEmptyValues) {
  for (const std::string& text : {std::string(), std::string("1"), std::string(3000, '\\'),
                                  std::string("1*EmptyPaxName*"), std::string(5000, '\xA5')}) {
    const auto result = importProfile(text, LookupKind::Surname, 0, false);
    EXPECT_EQ(result.rowFill->surname, "");
    EXPECT_EQ(result.rowFill->givenName, "");
    EXPECT_EQ(result.firstRow->profileTravellerName, "");
    EXPECT_EQ(result.firstRow->billingLines, (std::array<std::string, 5>{}));
    // The other kinds take such texts without failing.
    importProfile(text, LookupKind::GivenName, 0, false);
    importProfile(text, LookupKind::Corporate, 0, false);
  }
}

TEST(ProfileImportTest, TheAddPassengerDialogReadsItsOwnRecord) {
  const auto main = readDialogRecord("1O'NEIL JOHN\\MR", LookupKind::Surname);
  ASSERT_TRUE(main);
  EXPECT_EQ(main->main[F::PassengerName], "O'NEIL JOHN");  // not cleaned
  EXPECT_EQ(main->main[F::Title], "MR");
  EXPECT_EQ(readDialogRecord(kTraveller, LookupKind::Surname)->main.fieldCount, 36u);
  EXPECT_EQ(readDialogRecord("2TAN\\MEI\\MS\\S1\\C1\\004", LookupKind::GivenName)
                ->dependant.dependantNumber,
            "004");
  EXPECT_EQ(readDialogRecord("3CORP", LookupKind::Corporate)->corporate, "CORP");
  EXPECT_TRUE(readDialogRecord("1" + std::string(1022, 'A'), LookupKind::Surname));
  EXPECT_FALSE(readDialogRecord("1" + std::string(1023, 'A'), LookupKind::Surname));
}

TEST(ProfileImportTest, AddressTextsBecomeFiveLinesOf63Characters) {
  using Lines = std::array<std::string, 5>;
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"", {}},
      {"ONE", {"ONE"}},
      {"A\r\nB", {"A", "B"}},
      {"A\n\nC", {"A", "", "C"}},
      {"A\r\rC", {"A", "", "C"}},
      {"1\n2\n3\n4\n5\n6\n7", {"1", "2", "3", "4", "5"}},
      {std::string(100, 'x') + "\ny", {std::string(63, 'x'), "y"}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(addressLines(text), lines) << text;
}

class HandOverFileTest : public ::testing::Test {
 protected:
  TempDeskHome home;
  std::string folder() const { return home.folder().string(); }
  std::filesystem::path file() const { return home.folder() / "temp" / "PNRToBeCreate.pnrdata"; }
};

TEST_F(HandOverFileTest, InstallFolderMustBeAnAbsolutePath) {
  EXPECT_EQ(installFolder(), folder());  // a new home is its own install folder
  for (const std::string& value : std::vector<std::string>{"", "temp", "C:\\Quillet", " /x"}) {
    WHITEBOARD_putString("SYSTEM", "InstallDir", value, kWhiteboardName);
    EXPECT_FALSE(installFolder()) << value;
  }
  WHITEBOARD_putString("SYSTEM", "InstallDir", "\\opt\\quillet", kWhiteboardName);
  EXPECT_EQ(installFolder(), "\\opt\\quillet");
}

TEST_F(HandOverFileTest, PathsReduceDoubledBackslashes) {
  EXPECT_EQ(handOverFilePath("\\desk"), "\\desk\\temp\\PNRToBeCreate.pnrdata");
  EXPECT_EQ(handOverFilePath("\\desk\\"), "\\desk\\temp\\PNRToBeCreate.pnrdata");
  EXPECT_EQ(handOverFilePath("\\\\desk\\\\home"), "\\desk\\home\\temp\\PNRToBeCreate.pnrdata");
  EXPECT_EQ(installFile("/home/q", "\\Marketconfig.xml"), "/home/q\\Marketconfig.xml");
}

TEST_F(HandOverFileTest, FirstCharacterChoosesTheLookupAndTheFileIsDeleted) {
  struct Case {
    std::string text;
    LookupKind kind;
    int row;
    bool clearRenderTree;
  };
  const std::vector<Case> cases = {
      {"1SMITH JOHN", LookupKind::Surname, 0, true},
      {"4SMITH JOHN", LookupKind::Surname, 0, true},
      {"2TAN\\MEI", LookupKind::GivenName, 1, false},
      {"3CORP", LookupKind::Corporate, 0, false},
  };
  for (const Case& c : cases) {
    home.write("temp/PNRToBeCreate.pnrdata", c.text);
    const auto handOver = takeHandOverFile(folder() + "\\");
    ASSERT_TRUE(handOver) << c.text;
    EXPECT_EQ(handOver->kind, c.kind) << c.text;
    EXPECT_EQ(handOver->row, c.row) << c.text;
    EXPECT_EQ(handOver->clearRenderTree, c.clearRenderTree) << c.text;
    EXPECT_EQ(handOver->text, c.text);
    EXPECT_FALSE(std::filesystem::exists(file())) << c.text;
  }
}

TEST_F(HandOverFileTest, OtherFilesStayAndGiveNothing) {
  for (const std::string& text : {std::string("9SMITH"), std::string(), std::string("ASMITH"),
                                  std::string("\0"
                                              "1",
                                              2)}) {
    home.write("temp/PNRToBeCreate.pnrdata", text);
    EXPECT_FALSE(takeHandOverFile(folder()));
    EXPECT_TRUE(std::filesystem::exists(file()));
  }
  std::filesystem::remove(file());
  EXPECT_FALSE(takeHandOverFile(folder()));  // none there

  std::filesystem::create_directories(file());  // a folder in its place
  EXPECT_FALSE(takeHandOverFile(folder()));
  EXPECT_TRUE(std::filesystem::is_directory(file()));
}

TEST_F(HandOverFileTest, NoFolderNoFile) {
  home.write("temp/PNRToBeCreate.pnrdata", "1SMITH");
  const auto current = std::filesystem::current_path();
  std::filesystem::current_path(home.folder());
  EXPECT_FALSE(takeHandOverFile(""));
  EXPECT_FALSE(takeHandOverFile("."));
  std::filesystem::current_path(current);
  EXPECT_TRUE(std::filesystem::exists(file()));
}

}  // namespace
}  // namespace module::test
