// The "USER" settings the creation masks read: customer source and back-office switches.

#include "masks/fit/DeskSettings.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/services/TorvanArch.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using namespace fit;

TEST(DeskSettingsTest, StoredSourceSelectsAListEntry) {
  EXPECT_EQ(sourceSelection("DOSS"), kSourceDoss);
  EXPECT_EQ(sourceSelection("Ledgerwise"), kSourceLedgerwise);
  EXPECT_EQ(sourceSelection("ledgerwise"), kSourceDoss);
  EXPECT_EQ(sourceSelection("other"), kSourceDoss);
  EXPECT_EQ(sourceSelection(""), std::nullopt);
}

TEST(DeskSettingsTest, AddPassengerControlSource) {
  EXPECT_EQ(addPassengerSource("DOSS", false), 0);
  EXPECT_EQ(addPassengerSource("Ledgerwise", true), 1);
  EXPECT_EQ(addPassengerSource("Ledgerwise", false), -1);
  EXPECT_EQ(addPassengerSource("", true), -1);
  EXPECT_EQ(addPassengerSource("doss", true), -1);
}

TEST(DeskSettingsTest, SwitchesReadAsNumbers) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"1", 1}, {"01", 1}, {" 1", 1},  {"1x", 1}, {"+1", 1},
      {"", 0},  {"x1", 0}, {"-1", -1}, {"2", 2},  {"99999999999999", INT_MAX},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(switchValue(text), value) << text;
}

TEST(DeskSettingsTest, SwitchesComeFromTheUserSection) {
  TempDeskHome home;
  EXPECT_EQ(customerProfileSource(), "");
  const BackOfficeSwitches off = readBackOfficeSwitches();
  EXPECT_FALSE(off.backOffice || off.frequentFlyer || off.passport || off.contacts);

  WHITEBOARD_putString("USER", "BackOffice", "01", kWhiteboardName);  // only "1" is on
  WHITEBOARD_putString("USER", "BackOfficeFFP", "01", kWhiteboardName);
  WHITEBOARD_putString("USER", "BackOfficePSPT", "1", kWhiteboardName);
  WHITEBOARD_putString("USER", "BackOfficeCTCB", "2", kWhiteboardName);
  WHITEBOARD_putString("USER", "CustomerProfileSource", "Ledgerwise", kWhiteboardName);
  const BackOfficeSwitches some = readBackOfficeSwitches();
  EXPECT_FALSE(some.backOffice);
  EXPECT_TRUE(some.frequentFlyer);
  EXPECT_TRUE(some.passport);
  EXPECT_FALSE(some.contacts);
  EXPECT_EQ(customerProfileSource(), "Ledgerwise");
}

TEST(DeskSettingsTest, CtpTextFromTheTravelPolicyRecord) {
  EXPECT_EQ(ctpText("TP1", "A"), "TP1-A");
  EXPECT_EQ(ctpText("TP1", ""), "TP1");
  EXPECT_EQ(ctpText("", ""), "");
}

}  // namespace
}  // namespace module::test
