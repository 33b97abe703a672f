// Market settings and the code lists of the individual creation mask.

#include "masks/fit/MarketSettings.h"

#include <gtest/gtest.h>

#include "framework/services/TorvanArch.h"
#include "masks/fit/InstallFolder.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using namespace fit;

class MarketSettingsTest : public ::testing::Test {
 protected:
  TempDeskHome home;
  std::string folder() const { return home.folder().string(); }
  void market(std::string_view createPnr) {
    home.write("Marketconfig.xml", "<marketconfig><CREATE_PNR>" + std::string(createPnr) +
                                       "</CREATE_PNR></marketconfig>");
  }
};

TEST_F(MarketSettingsTest, OnlyTheExactTextYesSwitchesASettingOn) {
  struct Case {
    std::string elements;
    MarketSettings expected;
  };
  const std::vector<Case> cases = {
      {"<AUTO_CREATE_SO>YES</AUTO_CREATE_SO>", {true, false, false}},
      {"<AUTO_CREATE_SO>yes</AUTO_CREATE_SO>", {false, false, false}},
      {"<AUTO_CREATE_SO> YES\n</AUTO_CREATE_SO>", {true, false, false}},
      {"<AUTO_CREATE_SO>YESS</AUTO_CREATE_SO>", {false, false, false}},
      {"<BILL_WITH_IND>YES</BILL_WITH_IND><SEND_PHONE_ENTRY>YES</SEND_PHONE_ENTRY>",
       {false, true, true}},
      {"<SEND_PHONE_ENTRY>NO</SEND_PHONE_ENTRY>", {false, false, false}},
      {"", {false, false, false}},
  };
  for (const Case& c : cases) {
    market(c.elements);
    EXPECT_EQ(readMarketSettings(installFolder()), c.expected) << c.elements;
  }
}

TEST_F(MarketSettingsTest, MissingOrBrokenFilesAndNoInstallFolderAreAllOff) {
  home.write("Marketconfig.xml", "<marketconfig><CREATE_PNR><AUTO_CREATE_SO>YES");
  EXPECT_EQ(readMarketSettings(installFolder()), MarketSettings{});
  std::filesystem::remove(home.folder() / "Marketconfig.xml");
  EXPECT_EQ(readMarketSettings(installFolder()), MarketSettings{});

  market("<AUTO_CREATE_SO>YES</AUTO_CREATE_SO>");
  EXPECT_TRUE(readMarketSettings(folder()).autoCreateSalesFolder);
  EXPECT_TRUE(readMarketSettings(folder() + "\\\\").autoCreateSalesFolder);
  EXPECT_EQ(readMarketSettings(std::nullopt), MarketSettings{});
  EXPECT_EQ(readMarketSettings(std::string("relative")), MarketSettings{});
}

TEST_F(MarketSettingsTest, TheDefaultHomeHasMarketSettingsThatAreOff) {
  EXPECT_TRUE(std::filesystem::exists(home.folder() / "Marketconfig.xml"));
  EXPECT_EQ(readMarketSettings(installFolder()), MarketSettings{});
}

TEST(SendPhoneEntryTest, OnWithoutTheFileUnlessAllConditionsHold) {
  const MarketSettings off{};
  const MarketSettings on{false, false, true};
  EXPECT_FALSE(sendsPhoneEntry(off, "C1", false, true));
  EXPECT_TRUE(sendsPhoneEntry(on, "C1", false, true));
  EXPECT_TRUE(sendsPhoneEntry(off, "", false, true));
  EXPECT_TRUE(sendsPhoneEntry(off, "C1", true, true));
  EXPECT_TRUE(sendsPhoneEntry(off, "C1", false, false));
}

TEST_F(MarketSettingsTest, CodeListsComeFromTheFilesTheMainSettingsName) {
  home.write("lists/alliance.xml",
             "<Coder><T><C>STAR</C><D>SQ</D></T><T><C> ONEWORLD </C><D>CX</D></T>"
             "<T><D>XX</D></T></Coder>");
  home.write("lists/docs.xml", "<Coder><T><C>DOCS</C><D>SQ</D></T></Coder>");
  const std::string settings = home.read("TorvanMain.ini");
  std::string replaced = settings;
  const auto set = [&replaced](const std::string& key, const std::string& value) {
    const std::size_t at = replaced.find(key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    replaced.replace(at, replaced.find('\n', at) - at, key + "=" + value);
  };
  set("ENCODER_AIRLINE_ALLIANCE", folder() + "\\lists\\alliance.xml");
  set("ENCODER_PSPT_DOCS_AIRLINE", folder() + "\\lists\\docs.xml");
  home.write("TorvanMain.ini", replaced);

  const CodeLists lists = readCodeLists();
  EXPECT_EQ(lists.airlineAlliances, (CodeList{{"STAR", "SQ"}, {"ONEWORLD", "CX"}, {"", "XX"}}));
  EXPECT_EQ(lists.passportAirlines, (CodeList{{"DOCS", "SQ"}}));
  EXPECT_EQ(codeOf(lists.airlineAlliances, "CX"), "ONEWORLD");
  EXPECT_EQ(codeOf(lists.airlineAlliances, "MH"), "");

  set("ENCODER_AIRLINE_ALLIANCE", folder() + "\\lists\\absent.xml");
  set("ENCODER_PSPT_DOCS_AIRLINE", "");
  home.write("TorvanMain.ini", replaced);
  EXPECT_TRUE(readCodeLists().airlineAlliances.empty());
  EXPECT_TRUE(readCodeLists().passportAirlines.empty());
}

TEST_F(MarketSettingsTest, TheDefaultHomeHasSampleCodeLists) {
  const CodeLists lists = readCodeLists();
  EXPECT_FALSE(lists.airlineAlliances.empty());
  EXPECT_FALSE(lists.passportAirlines.empty());
  EXPECT_EQ(codeOf(lists.passportAirlines, "SQ"), "DOCS");
}

}  // namespace
}  // namespace module::test
