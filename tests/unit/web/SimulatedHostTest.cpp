// The simulated host answers from its data files: the shipped ones, and files a user edits.

#include "desk/web/SimulatedHost.h"

#include <gtest/gtest.h>

#include "desk/home/DeskHome.h"
#include "desk/state/AgentProfile.h"
#include "tests/unit/desk/TempHome.h"

namespace desk {
namespace {

TEST(SimulatedHost, ShippedDataAnswersTheMasksRequests) {
  test::TempHome home;
  prepareHome(home.folder() / "home");
  SimulatedHost host(home.folder() / "home" / "host");
  ASSERT_EQ(host.startPnr(), "individual");
  ASSERT_TRUE(host.open("group"));
  EXPECT_EQ(openPnr().groupName, "ALPINE CHOIR");
  EXPECT_EQ(openPnr().passengers.size(), 3u);
  EXPECT_EQ(openPnr().emails.at(0).address, "CHOIR@EXAMPLE.ORG");
  ASSERT_TRUE(agentProfile().has_value());
  EXPECT_EQ(agentProfile()->agencyName, "QUILLET TRAVEL");

  // The open PNR's own reply comes first; the host's shared reply otherwise.
  EXPECT_NE(host.commandReply("%%JX PAX")->find("KELLER"), std::string::npos);
  EXPECT_NE(host.commandReply(" %%JX AIT ")->find("N_AIRAALSAD0PNR0"), std::string::npos);
  EXPECT_EQ(host.requestReply("askForPAX"), "GETPNRINFO");
  EXPECT_EQ(host.runReply("GetPNR"), "GETPNRINFO");
  const auto record = host.backOfficeReply("FIT", "CP", "1");
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->starts_with("1TAN AH KOW\\MR\\"));
  // The hosted dialogs' requests through the creation masks.
  EXPECT_NE(host.commandReply("%%JX CTP")->find("CORP1"), std::string::npos);
  EXPECT_NE(host.commandReply("%%JX DOSS")->find("TAN"), std::string::npos);
  for (const std::string kind : {"1", "2", "3"}) {
    const auto answer = host.backOfficeReply("ADDPAX", "CP", kind);
    ASSERT_TRUE(answer) << kind;
    EXPECT_TRUE(answer->starts_with(kind)) << "a record of the kind asked for";
  }
  EXPECT_FALSE(host.commandReply("RT ABC123"));
  EXPECT_FALSE(host.backOfficeReply("FIT", "CP", "9"));
  EXPECT_FALSE(host.open("nowhere"));
}

TEST(SimulatedHost, RepliesNameFilesOfTheHostFolderOnly) {
  test::TempHome home;
  home.write("secret.txt", "SECRET");
  home.write("host/host.ini",
             "[Commands]\n"
             "UP=../secret.txt\n"
             "ABSOLUTE=" +
                 (home.folder() / "secret.txt").string() +
                 "\n"
                 "INLINE=text:DONE\n"
                 "MISSING=nothing.xml\n"
                 "[Agent]\n");
  home.write("host/pnr/solo/pnr.ini",
             "[PNR]\nGroup=\n[Passengers]\n1=1.1|DOE|JANE MS|N\n2=broken line\n");
  SimulatedHost host(home.folder() / "host");
  EXPECT_FALSE(host.commandReply("UP"));
  EXPECT_FALSE(host.commandReply("ABSOLUTE"));
  EXPECT_FALSE(host.commandReply("MISSING"));
  EXPECT_EQ(host.commandReply("INLINE"), "DONE");
  ASSERT_TRUE(host.open("solo"));
  ASSERT_EQ(openPnr().passengers.size(), 1u) << "a line not of the form is left out";
  EXPECT_EQ(openPnr().passengers[0].surname, "DOE");
  EXPECT_EQ(host.demoPnrs().at(0).title, "solo") << "a PNR without a title shows its name";
}

}  // namespace
}  // namespace desk
