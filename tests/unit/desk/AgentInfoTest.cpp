// The agent information: a profile the desktop knows, one that must come from the host (the
// request message, the host command, the reply), and replies that carry no profile.

#include "framework/services/CTorvanAgentInfo.h"

#include <gtest/gtest.h>

#include "desk/state/AgentProfile.h"
#include "platform/window/Desktop.h"
#include "platform/window/Window.h"

namespace {

class AgentInfoTest : public ::testing::Test {
 protected:
  AgentInfoTest() : parent(platform::WindowClass::Dialog, 1, "", 0, {}) {
    desk::agentProfile().reset();
    parent.attachHandler([this](const platform::Message& message, platform::LRESULT&) {
      received.push_back(message.code);
      return true;
    });
  }
  ~AgentInfoTest() override { desk::agentProfile().reset(); }

  std::vector<std::string> profileTexts(const CTorvanAgentInfo& info) {
    std::vector<std::string> texts(6);
    info.getAgencyName(texts[0]);
    info.getAddr1(texts[1]);
    info.getAddr2(texts[2]);
    info.getAddr3(texts[3]);
    info.getAddr4(texts[4]);
    info.getAddr5(texts[5]);
    return texts;
  }

  platform::Window parent;
  std::vector<UINT> received;
};

TEST_F(AgentInfoTest, AKnownProfileIsCompleteAtOnce) {
  desk::agentProfile() = desk::AgentProfile{"TRAVEL CO", {"L1", "L2", "L3", "L4", "L5"}, 2};
  CTorvanAgentInfo info;
  info.setParentHwnd(&parent);
  info.setUseDoss(true);
  info.setUseCurrentPNR(false);
  EXPECT_EQ(info.getDataSrcLocation(), 2);
  bool complete = false;
  EXPECT_NE(info.getAgentProfileEx(&complete), 0);
  EXPECT_TRUE(complete);
  EXPECT_EQ(profileTexts(info),
            (std::vector<std::string>{"TRAVEL CO", "L1", "L2", "L3", "L4", "L5"}));
  platform::desktop().pumpMessages();
  EXPECT_TRUE(received.empty());
  std::string name;
  info.getAgencyName(name, 4);
  EXPECT_EQ(name, "TRA");
}

TEST_F(AgentInfoTest, AnUnknownProfileIsAskedOfTheHostThroughTheParent) {
  CTorvanAgentInfo info;
  info.setParentHwnd(&parent);
  EXPECT_EQ(info.getDataSrcLocation(), 0);
  bool complete = true;
  EXPECT_NE(info.getAgentProfileEx(&complete), 0);
  EXPECT_FALSE(complete);
  std::string name = "stale";
  EXPECT_EQ(info.getAgencyName(name), 0);
  EXPECT_EQ(name, "");
  platform::desktop().pumpMessages();
  EXPECT_EQ(received, (std::vector<UINT>{kAgentInfoRequest}));

  std::string command;
  EXPECT_NE(info.getHostCmd(command), 0);
  EXPECT_EQ(command, "%%JX AIT");

  EXPECT_NE(info.setXMLResponseFromHostEx(
                "<?xml version='1.0' encoding='UTF-8'?><VELANO><PNR><N_AGENT>"
                "<AGENCY_NAME> CAF\xC3\x89 TRAVEL </AGENCY_NAME><ADDR1>1 MAIN ST</ADDR1>"
                "<ADDR3>SINGAPORE</ADDR3><DATA_SRC_LOCATION>2</DATA_SRC_LOCATION>"
                "</N_AGENT></PNR><N_AIRAALSAD0PNR0/></VELANO>",
                &complete),
            0);
  EXPECT_TRUE(complete);
  EXPECT_EQ(profileTexts(info),
            (std::vector<std::string>{"CAF\xC9 TRAVEL", "1 MAIN ST", "", "SINGAPORE", "", ""}));
  EXPECT_EQ(info.getDataSrcLocation(), 2);

  // The desktop knows it from now on.
  CTorvanAgentInfo later;
  EXPECT_NE(later.getAgentProfileEx(&complete), 0);
  EXPECT_TRUE(complete);
}

TEST_F(AgentInfoTest, WithoutParentNothingIsAsked) {
  CTorvanAgentInfo info;
  bool complete = true;
  EXPECT_EQ(info.getAgentProfileEx(&complete), 0);
  EXPECT_FALSE(complete);
  EXPECT_EQ(info.getAgentProfileEx(nullptr), 0);
}

TEST_F(AgentInfoTest, RepliesWithoutAProfileLeaveItUnknown) {
  CTorvanAgentInfo info;
  for (const std::string& reply :
       {std::string(), std::string("GETPNRINFO"), std::string("<VELANO/>"),
        std::string("<N_AGENT><AGENCY_NAME>X</AGENCY_NAME></N_AGENT>"),
        std::string("<VELANO><N_AGENT>"), std::string(100000, '<'),
        std::string("<VELANO>\0<N_AGENT/></VELANO>", 28)}) {
    bool complete = true;
    EXPECT_EQ(info.setXMLResponseFromHostEx(reply, &complete), 0) << reply.substr(0, 40);
    EXPECT_FALSE(complete);
    EXPECT_FALSE(desk::agentProfile());
  }
  bool complete = false;
  EXPECT_NE(info.setXMLResponseFromHostEx(
                "<VELANO><N_AGENT><DATA_SRC_LOCATION>two</DATA_SRC_LOCATION></N_AGENT></VELANO>",
                &complete),
            0);
  EXPECT_TRUE(complete);
  EXPECT_EQ(info.getDataSrcLocation(), 0);
  EXPECT_EQ(profileTexts(info), std::vector<std::string>(6));
}

}  // namespace
