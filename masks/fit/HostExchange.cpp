#include "masks/fit/HostExchange.h"

namespace fit {
namespace {

struct MessageEntry {
  UINT message;
  ExchangeMessage exchange;
};

constexpr HostedDialog kAddPassenger = HostedDialog::AddPassenger;
constexpr HostedDialog kTravelPolicy = HostedDialog::TravelPolicy;
constexpr HostedDialog kProfile = HostedDialog::TravellerProfile;

const MessageEntry kMessages[] = {
    {0x09DC, {kAddPassenger, ExchangeRequest::SendCommand}},
    {0x09DD, {kAddPassenger, ExchangeRequest::SendTo}},
    {0x09DE, {kAddPassenger, ExchangeRequest::RunSearch}},
    {0x0A41, {kTravelPolicy, ExchangeRequest::SendCommand}},
    {0x0A44, {kTravelPolicy, ExchangeRequest::RunSearch}},
    {0x0A42, {kProfile, ExchangeRequest::SendCommand}},
    {0x0A43, {kProfile, ExchangeRequest::RunSearch}},
    {0x0600, {std::nullopt, ExchangeRequest::AgentCommand}},
};

}  // namespace

std::optional<ExchangeMessage> exchangeMessageOf(UINT message) {
  for (const MessageEntry& entry : kMessages) {
    if (entry.message == message) return entry.exchange;
  }
  return std::nullopt;
}

UINT exchangeMessageFor(HostedDialog dialog, ExchangeRequest request) {
  for (const MessageEntry& entry : kMessages) {
    if (entry.exchange == ExchangeMessage{dialog, request}) return entry.message;
  }
  return 0;
}

std::string agentInformationText(std::string_view reply, bool yenAsHash) {
  std::string text;
  text.reserve(reply.size());
  for (char c : reply) {
    const auto code = static_cast<unsigned char>(c);
    if (code == 0xA5 && yenAsHash) {
      text += '#';
    } else if (code < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

void HostExchange::onMessage(const ExchangeMessage& message) {
  if (!message.dialog) {
    agentInformationWaiting_ = true;
    return;
  }
  waiting_[static_cast<int>(*message.dialog)] = true;
  if (message.request == ExchangeRequest::SendTo) phoneFill_ = true;
}

ReplyRoute HostExchange::routeReply(std::string_view reply) {
  ReplyRoute route;
  for (HostedDialog dialog : {kAddPassenger, kTravelPolicy, kProfile}) {
    if (!isWaiting(dialog)) continue;
    waiting_[static_cast<int>(dialog)] = false;
    route.dialog = dialog;
    break;
  }
  const bool notice = reply == kPnrInfoNotice;
  route.agentInformation = (agentProfilePending_ || agentInformationWaiting_) && !notice;
  if (sendPending_ && !notice) {
    route.booking = true;
    sendPending_ = false;
  }
  return route;
}

bool HostExchange::routeReceivedFrom() {
  profileSeen_ = true;
  if (!isWaiting(kAddPassenger)) return false;
  waiting_[static_cast<int>(kAddPassenger)] = false;
  return true;
}

void HostExchange::onHandOverImported(char kind) {
  if (kind == '1' || kind == '4') profileSeen_ = true;
}

bool HostExchange::takePhoneFill() {
  const bool requested = phoneFill_;
  phoneFill_ = false;
  return requested;
}

}  // namespace fit
