#include "masks/fit/CreationProfile.h"

#include <array>

#include "framework/MaskControl.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/Desktop.h"

namespace fit {

namespace {
constexpr std::size_t kTextBuffer = 1024;
}  // namespace

void saveProfileValue(CTorvanProfile& profile, std::string_view key, std::string_view value) {
  profile.setKeyName(key);
  profile.setValue(value);
}

std::string loadProfileValue(CTorvanProfile& profile, std::string_view key) {
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "", kTextBuffer);
  return value;
}

void writeUserValue(std::string_view key, std::string_view value) {
  WHITEBOARD_putString("USER", key, value, kWhiteboardName);
}

bool requestAgentProfile(CTorvanAgentInfo& agentInfo, platform::Window* parent) {
  agentInfo.setParentHwnd(parent);
  agentInfo.setUseDoss(true);
  agentInfo.setUseCurrentPNR(false);
  bool complete = false;
  agentInfo.getAgentProfileEx(&complete);
  return complete;
}

void presetAgency(const CTorvanAgentInfo& agentInfo, fields::CFieldAgencyAddress& agency) {
  std::array<std::string, 6> values;
  agentInfo.getAgencyName(values[0]);
  agentInfo.getAddr1(values[1]);
  agentInfo.getAddr2(values[2]);
  agentInfo.getAddr3(values[3]);
  agentInfo.getAddr4(values[4]);
  agentInfo.getAddr5(values[5]);
  agency.SetAddress(values[0], values[1], values[2], values[3], values[4], values[5]);
}

std::optional<SavedAddPassengerList> runAddPassengerDialog(
    platform::Window& mask, int customerSource, const SavedAddPassengerList* current,
    ExchangeDialog& dialog, HostExchange& exchange, fields::CField& homePhone,
    fields::CField& businessPhone) {
  dialog.Prepare(mask);
  dialog.Control().SetCustomerSource(customerSource);
  dialog.Control().SetText(current ? addPassengerListText(current->entries) : "");
  const std::optional<std::vector<std::string>> answer = platform::modalDialog("addpax", &mask);
  if (!answer) return std::nullopt;
  std::optional<SavedAddPassengerList> list = addPassengerListOfAnswer(*answer, customerSource);
  if (!list) return std::nullopt;
  if (exchange.takePhoneFill()) {
    const PhoneFill phones = readPhoneFill();
    homePhone.SetText(phones.homePhone);
    businessPhone.SetText(phones.businessPhone);
  }
  return list;
}

void answerExchangeMessage(const ExchangeMessage& message, HostExchange& exchange,
                           ExchangeDialogs& dialogs, CTorvanAgentInfo& agentInfo,
                           framework::MaskControlBase& mask) {
  exchange.onMessage(message);
  ExchangeDialog* dialog = message.dialog ? dialogs.Find(*message.dialog) : nullptr;
  switch (message.request) {
    case ExchangeRequest::AgentCommand: {
      std::string command;
      agentInfo.getHostCmd(command);
      mask.fireEvent(typelib::Event::SendCommand, {command});
      break;
    }
    case ExchangeRequest::SendCommand:
      if (dialog == nullptr) break;
      if (const std::optional<std::string> command = dialog->TakeCommand()) {
        mask.fireEvent(typelib::Event::SendCommand, {*command});
      }
      break;
    case ExchangeRequest::SendTo:
      writeUserValue("CP_RenderTree", exchange.renderTree());
      if (dialog == nullptr) break;
      if (const std::optional<SendToTexts> texts = dialog->TakeSendTo()) {
        mask.fireEvent(typelib::Event::SendTo, {texts->source, texts->destination, texts->text});
      }
      break;
    case ExchangeRequest::RunSearch:
      mask.fireEvent(typelib::Event::OnEvent, {"Run", "MD"});
      break;
  }
}

void handReplyToDialog(const ReplyRoute& route, ExchangeDialogs& dialogs, std::string_view reply) {
  if (!route.dialog) return;
  if (ExchangeDialog* dialog = dialogs.Find(*route.dialog)) dialog->TakeReply(reply);
}

}  // namespace fit
