// The individual creation mask's own checks of contact, billing, received-from, address,
// personnel and CTP texts.

#include "masks/fit/FitChecks.h"

#include <gtest/gtest.h>

#include "resources/dialogs/FitDialog.h"

namespace {

using namespace fit;
namespace ids = resources::pnr_creation_fit;

PhoneTexts phones(std::string person, std::string business = "", std::string mobile = "",
                  std::string home = "") {
  return {std::move(person), std::move(business), std::move(mobile), std::move(home)};
}

// Personnel texts with the numbers given checked (0 department ... 4 dependent IC).
PersonnelTexts personnel(const std::vector<std::pair<int, std::string>>& checked) {
  PersonnelTexts texts;
  PersonnelTexts::Number* numbers[] = {&texts.department, &texts.icNumber, &texts.employeeNumber,
                                       &texts.exitPermit, &texts.dependentIc};
  for (const auto& [index, text] : checked) *numbers[index] = {true, text};
  return texts;
}

std::string_view keyOf(const std::optional<FitFault>& fault) {
  return fault ? fault->errorKey : "";
}

TEST(FitChecksTest, PhonesAndContactPerson) {
  struct Case {
    PhoneTexts texts;
    std::optional<FitFault> fault;
  };
  const std::vector<Case> cases = {
      {phones(""), std::nullopt},
      {phones("LEE 2", "65-1234 5", "9123 45-6", "6123"), std::nullopt},
      {phones("LEE-TAN"),
       FitFault{"ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD", ids::kContactPerson, {}}},
      {phones("", "123+4"), FitFault{"ERR_PNR_BUS_NUM_INVALID", ids::kBusinessPhone, {}}},
      {phones("", "", "91*23*"), FitFault{"ERR_PNR_HOMENO_WRONG", ids::kMobilePhone, 2}},
      {phones("", "", "EXT I"), FitFault{"ERR_PNR_HOMENO_WRONG", ids::kMobilePhone, 4}},
      {phones("", "", "9123#"), FitFault{"ERR_PNR_MOB_NUM_INVALID", ids::kMobilePhone, {}}},
      {phones("", "", "", "61.23"), FitFault{"ERR_PNR_HOMENO_WRONG", ids::kHomePhone, 2}},
      {phones("", "", "", "61/23"), FitFault{"ERR_PNR_HOMENO_WRONG", ids::kHomePhone, 2}},
      {phones("", "", "", "6123,"), FitFault{"ERR_PNR_HOME_NUM_INVALID", ids::kHomePhone, {}}},
      {phones("", "", "", "   "), std::nullopt},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(checkPhones(cases[i].texts), cases[i].fault) << i;
  }
  EXPECT_EQ(keyOf(checkFaxCharacters("555-12 34")), "");
  EXPECT_EQ(checkFaxCharacters("555.1"),
            (FitFault{"ERR_CARSELL_FAX_NUM_INVALID", ids::kFax, std::nullopt}));
}

TEST(FitChecksTest, SfCustIdAndDkNumber) {
  struct Case {
    BillingTexts texts;
    std::string_view key;
  };
  const std::vector<Case> cases = {
      {{"", "", true, false}, ""},
      {{"ABC12!", "", true, false}, "ERR_SF_CUST_ID_ALPHANUM"},
      {{"ABC12", "", true, false}, "ERR_SF_CUST_ID_LENGTH"},
      {{"ABC123", "", true, false}, "ERR_EDITOTHERS_PROVIDE"},
      {{"ABC123", "", true, true}, ""},
      {{"ABC123", "", false, false}, ""},
      {{"ABC1234", "", true, false}, ""},
      {{"", "DK-123", true, false}, "ERR_DKNBR_ALPHANUM"},
      {{"", "DK123", true, false}, "ERR_DKNBR_LENGTH"},
      {{"", "DK1234", true, false}, ""},
      {{"", "DK12345", true, false}, ""},
      {{"", "DK123456", true, false}, "ERR_DKNBR_LENGTH"},
      {{"", "DK12345678", true, false}, ""},
      {{"", "DK123456789", true, false}, "ERR_DKNBR_LENGTH"},
  };
  for (const Case& c : cases) {
    const auto fault = checkBilling(c.texts);
    EXPECT_EQ(keyOf(fault), c.key) << c.texts.sfCustId << "/" << c.texts.dkNumber;
    if (fault) {
      EXPECT_EQ(fault->controlId, c.texts.sfCustId.empty() ? ids::kDkNumber : ids::kSfCustId);
    }
  }
}

TEST(FitChecksTest, ReceivedFromAddressesAndCtp) {
  EXPECT_EQ(keyOf(checkReceivedFromCharacters("MR LEE-TAN/X")), "");
  EXPECT_EQ(keyOf(checkReceivedFromCharacters("LEE.")), "ERR_VESPIN2_RECVD_ALPHANUM_FIELD");
  EXPECT_EQ(keyOf(checkCtp("AB-12/3")), "");
  EXPECT_EQ(keyOf(checkCtp("AB 12")), "ERR_CTP_ALPHANUM_VALUE");

  const std::array<int, 5> lines = ids::kBillingLines;
  EXPECT_EQ(checkAddress({"", "L2"}, lines),
            (FitFault{"ERR_PNR_ADDRESS_NONE", lines[0], std::nullopt}));
  EXPECT_EQ(checkAddress({" ", "L2"}, lines),
            (FitFault{"ERR_PNR_ADDRESS_NONE", lines[0], std::nullopt}));
  EXPECT_EQ(checkAddress({"L1", "", "", "#4"}, lines),
            (FitFault{"ERR_PNR_ADDRESS_INVALID", lines[3], std::nullopt}));
  EXPECT_EQ(checkAddress({"L1", "L2"}, lines), std::nullopt);
}

TEST(FitChecksTest, PersonnelNumbersInOrder) {
  struct Case {
    PersonnelTexts texts;
    std::optional<FitFault> fault;
  };
  using N = PersonnelTexts::Number;
  const std::vector<Case> cases = {
      {personnel({}), std::nullopt},
      {{N{false, "!!"}, {}, {}, {}, {}}, std::nullopt},
      {personnel({{0, ""}}), FitFault{"ERR_PNR_DEPTNO_NONE", ids::kDepartment, {}}},
      {personnel({{0, "SALES 1"}}), std::nullopt},
      {personnel({{0, "SALES-1"}}), FitFault{"ERR_DEPT_NO_ALPHANUM", ids::kDepartment, {}}},
      {personnel({{1, "S 1"}}), FitFault{"ERR_IC_NO_ALPHANUM", ids::kIcNumber, {}}},
      {personnel({{2, " "}}), FitFault{"ERR_PNR_EMPNO_NONE", ids::kEmployeeNumber, {}}},
      {personnel({{3, "E"}}), FitFault{"ERR_EP_NO_MINLEN", ids::kExitPermit, {}}},
      {personnel({{3, "E."}}), FitFault{"ERR_EP_NO_ALPHANUM", ids::kExitPermit, {}}},
      {personnel({{3, "E1"}, {4, ""}}), FitFault{"ERR_PNR_DEPICNO_NONE", ids::kDependentIc, {}}},
      {personnel({{4, "D_1"}}), FitFault{"ERR_DEPIC_NO_ALPHANUM", ids::kDependentIc, {}}},
      {personnel({{1, ""}, {0, ""}}), FitFault{"ERR_PNR_DEPTNO_NONE", ids::kDepartment, {}}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(checkPersonnel(cases[i].texts), cases[i].fault) << i;
  }
}

}  // namespace
