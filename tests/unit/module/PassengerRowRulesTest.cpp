// The PTC rules of a passenger row: enabling of age and others, and the row's own checks.

#include "masks/fit/PassengerRowRules.h"

#include <gtest/gtest.h>

namespace {

using namespace fit;

PassengerRow row(Ptc ptc, std::string age = "", std::string others = "",
                 std::string surname = "SMITH", std::string given = "JOHN",
                 std::string title = "") {
  return {std::move(surname), std::move(given), std::move(title), ptc,
          std::move(age),     std::move(others)};
}

TEST(PassengerRowRulesTest, AgeAndOthersEnabledByPtc) {
  EXPECT_FALSE(rowEnabling(Ptc::Adult).age);
  EXPECT_FALSE(rowEnabling(Ptc::Adult).others);
  EXPECT_TRUE(rowEnabling(Ptc::Child).age);
  EXPECT_TRUE(rowEnabling(Ptc::Infant).age);
  EXPECT_FALSE(rowEnabling(Ptc::Infant).others);
  EXPECT_TRUE(rowEnabling(Ptc::Others).others);
  EXPECT_FALSE(rowEnabling(Ptc::Others).age);
}

TEST(PassengerRowRulesTest, NamesNeededWithATitleOrAPtcOtherThanAdult) {
  struct Case {
    PassengerRow row;
    std::optional<RowFault> fault;
  };
  const RowFault noSurname{"ERR_CUSTPROF_PASSENGER_SURNAME_BLANK", RowControl::Surname};
  const RowFault noGiven{"ERR_PNR_GIVENNAME_NONE", RowControl::GivenName};
  const std::vector<Case> cases = {
      {row(Ptc::Adult, "", "", "", "", ""), std::nullopt},
      {row(Ptc::Adult, "", "", "SMITH", "", ""), std::nullopt},  // the name field decides
      {row(Ptc::Adult, "", "", "", "", "MR"), noSurname},
      {row(Ptc::Adult, "", "", "SMITH", " ", "MR"), noGiven},
      {row(Ptc::Infant, "10", "", "SMITH", ""), noGiven},
      {row(Ptc::Child, "05", "", "  ", "JOHN"), noSurname},
      {row(Ptc::Others, "", "STU", "", ""), noSurname},
      {row(Ptc::Child, "05"), std::nullopt},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(checkRowNames(cases[i].row), cases[i].fault) << i;
  }
}

TEST(PassengerRowRulesTest, OthersCodeAndAgeChecks) {
  struct Case {
    PassengerRow row;
    std::string_view fault;  // empty when the row passes
  };
  const std::vector<Case> cases = {
      {row(Ptc::Adult, "xx", "1"), ""},
      {row(Ptc::Others, "", ""), "ERR_OTHER_PTC_MANDATORY"},
      {row(Ptc::Others, "", "  "), "ERR_OTHER_PTC_MANDATORY"},
      {row(Ptc::Others, "", "S1U"), "ERR_QRTLX_OTHERPTC_INVALID"},
      {row(Ptc::Others, "", "ST"), "ERR_QRTLX_OTHERPTC_MINVALUE_FIELD"},
      {row(Ptc::Others, "", "STU"), ""},
      {row(Ptc::Child, ""), "ERR_PNR_AGE_MANDATORY"},
      {row(Ptc::Child, "A1"), "ERR_AGE_INVALID"},
      {row(Ptc::Child, "1"), "ERR_AGE_MINLEN"},
      {row(Ptc::Child, "01"), "ERR_CHILD_AGE_RANGE"},
      {row(Ptc::Child, "02"), ""},
      {row(Ptc::Child, "11"), ""},
      {row(Ptc::Child, "12"), "ERR_CHILD_AGE_RANGE"},
      {row(Ptc::Child, "-5"), "ERR_AGE_INVALID"},  // digits only: a sign is no age
      {row(Ptc::Infant, "+5"), "ERR_AGE_INVALID"},
      {row(Ptc::Infant, "00"), "ERR_INFANT_AGE_RANGE"},
      {row(Ptc::Infant, "01"), ""},
      {row(Ptc::Infant, "23"), ""},
      {row(Ptc::Infant, "24"), "ERR_INFANT_AGE_RANGE"},
      {row(Ptc::Infant, "99999999999999999999999"), "ERR_INFANT_AGE_RANGE"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto fault = checkRowPtc(cases[i].row);
    EXPECT_EQ(fault ? fault->errorKey : "", cases[i].fault) << i;
    if (fault) {
      EXPECT_EQ(fault->control,
                cases[i].row.ptc == Ptc::Others ? RowControl::Others : RowControl::Age)
          << i;
    }
  }
}

}  // namespace
