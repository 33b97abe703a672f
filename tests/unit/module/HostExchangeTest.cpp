// The exchanges of the creation masks: the message table, the routing of host replies and
// back-office answers, the render-tree value and the phone fill.

#include "masks/fit/HostExchange.h"

#include <gtest/gtest.h>

#include "masks/fit/ExchangeDialog.h"

namespace {

using namespace fit;

TEST(HostExchangeTest, MessagesNameTheirDialogAndRequest) {
  using R = ExchangeRequest;
  const std::vector<std::pair<UINT, std::optional<ExchangeMessage>>> cases = {
      {0x09DC, ExchangeMessage{HostedDialog::AddPassenger, R::SendCommand}},
      {0x09DD, ExchangeMessage{HostedDialog::AddPassenger, R::SendTo}},
      {0x09DE, ExchangeMessage{HostedDialog::AddPassenger, R::RunSearch}},
      {0x0A41, ExchangeMessage{HostedDialog::TravelPolicy, R::SendCommand}},
      {0x0A44, ExchangeMessage{HostedDialog::TravelPolicy, R::RunSearch}},
      {0x0A42, ExchangeMessage{HostedDialog::TravellerProfile, R::SendCommand}},
      {0x0A43, ExchangeMessage{HostedDialog::TravellerProfile, R::RunSearch}},
      {0x0600, ExchangeMessage{std::nullopt, R::AgentCommand}},
      {0x0601, std::nullopt},
      {0x09DF, std::nullopt},
      {0, std::nullopt},
  };
  for (const auto& [message, expected] : cases) {
    EXPECT_EQ(exchangeMessageOf(message), expected) << std::hex << message;
    // A dialog posts the same message for its request; the agent information posts none.
    if (expected && expected->dialog) {
      EXPECT_EQ(exchangeMessageFor(*expected->dialog, expected->request), message);
    }
  }
  // Only the Add Passenger dialog messages another desktop component.
  EXPECT_EQ(exchangeMessageFor(HostedDialog::TravelPolicy, R::SendTo), 0u);
  EXPECT_EQ(exchangeMessageFor(HostedDialog::TravellerProfile, R::SendTo), 0u);
  EXPECT_EQ(exchangeMessageFor(HostedDialog::AddPassenger, R::AgentCommand), 0u);
}

TEST(HostExchangeTest, EachReplyGoesToTheFirstWaitingDialogInOrder) {
  HostExchange exchange;
  exchange.onMessage(*exchangeMessageOf(0x0A42));  // traveller profile
  exchange.onMessage(*exchangeMessageOf(0x0A44));  // travel policy
  exchange.onMessage(*exchangeMessageOf(0x09DC));  // add passenger
  EXPECT_EQ(exchange.routeReply("R1").dialog, HostedDialog::AddPassenger);
  EXPECT_EQ(exchange.routeReply("R2").dialog, HostedDialog::TravelPolicy);
  EXPECT_EQ(exchange.routeReply("R3").dialog, HostedDialog::TravellerProfile);
  const ReplyRoute none = exchange.routeReply("R4");
  EXPECT_FALSE(none.dialog);
  EXPECT_FALSE(none.agentInformation);
  EXPECT_FALSE(none.booking);
}

TEST(HostExchangeTest, AgentInformationTakesRepliesUntilComplete) {
  HostExchange exchange;
  exchange.setAgentProfilePending();
  EXPECT_TRUE(exchange.routeReply("<VELANO/>").agentInformation);
  EXPECT_FALSE(exchange.routeReply("GETPNRINFO").agentInformation);
  EXPECT_TRUE(exchange.routeReply("<VELANO/>").agentInformation);  // still pending
  exchange.agentProfileComplete();
  EXPECT_FALSE(exchange.routeReply("<VELANO/>").agentInformation);

  exchange.onMessage(*exchangeMessageOf(0x0600));
  EXPECT_TRUE(exchange.routeReply("x").agentInformation);
  exchange.agentProfileComplete();
  EXPECT_FALSE(exchange.routeReply("x").agentInformation);
}

TEST(HostExchangeTest, APendingSendTakesOneReplyButNotTheNotice) {
  HostExchange exchange;
  exchange.setSendPending();
  EXPECT_FALSE(exchange.routeReply("GETPNRINFO").booking);
  EXPECT_TRUE(exchange.sendPending());
  exchange.onMessage(*exchangeMessageOf(0x09DE));
  const ReplyRoute route = exchange.routeReply("<VELANO/>");
  EXPECT_EQ(route.dialog, HostedDialog::AddPassenger);
  EXPECT_TRUE(route.booking);
  EXPECT_FALSE(exchange.sendPending());
  EXPECT_FALSE(exchange.routeReply("<VELANO/>").booking);
}

TEST(HostExchangeTest, ReceivedFromAnswersTheAddPassengerDialogOrTheLookup) {
  HostExchange exchange;
  EXPECT_EQ(exchange.renderTree(), "");
  EXPECT_FALSE(exchange.routeReceivedFrom());  // the mask's own lookup
  EXPECT_EQ(exchange.renderTree(), "TRUE");
  exchange.onMessage(*exchangeMessageOf(0x09DD));
  EXPECT_TRUE(exchange.isWaiting(HostedDialog::AddPassenger));
  EXPECT_TRUE(exchange.routeReceivedFrom());
  EXPECT_FALSE(exchange.isWaiting(HostedDialog::AddPassenger));
}

TEST(HostExchangeTest, RenderTreeAfterAHandOverOfAProfileKind) {
  for (const auto& [kind, value] : std::vector<std::pair<char, std::string>>{
           {'1', "TRUE"}, {'4', "TRUE"}, {'2', ""}, {'3', ""}}) {
    HostExchange exchange;
    exchange.onHandOverImported(kind);
    EXPECT_EQ(exchange.renderTree(), value) << kind;
  }
}

TEST(HostExchangeTest, OnlyAProfileExchangeAsksForAPhoneFill) {
  HostExchange exchange;
  exchange.onMessage(*exchangeMessageOf(0x09DC));
  EXPECT_FALSE(exchange.takePhoneFill());
  exchange.onMessage(*exchangeMessageOf(0x09DD));
  EXPECT_TRUE(exchange.takePhoneFill());
  EXPECT_FALSE(exchange.takePhoneFill());
}

TEST(HostExchangeTest, AgentInformationTextIsUtf8) {
  EXPECT_EQ(agentInformationText("A\xA5\xE9<"), "A\xC2\xA5\xC3\xA9<");
  EXPECT_EQ(agentInformationText("A\xA5\xE9<", true), "A#\xC3\xA9<");
  EXPECT_EQ(agentInformationText(""), "");
}

// The add-passenger dialog reads a back-office answer in the kind its message asked for.
TEST(HostExchangeTest, TheDialogsMessageNamesItsRecordKind) {
  const std::vector<std::pair<std::string, LookupKind>> cases = {
      {"1", LookupKind::Surname},  {"2", LookupKind::GivenName}, {"3", LookupKind::Corporate},
      {"", LookupKind::Surname},   {"4", LookupKind::Surname},   {"22", LookupKind::Surname},
      {" 2", LookupKind::Surname},
  };
  for (const auto& [text, kind] : cases) EXPECT_EQ(dialogRecordKind(text), kind) << text;
}

}  // namespace
