#include "masks/fit/ExchangeDialog.h"

#include <utility>

#include "platform/text/TextRules.h"
#include "resources/dialogs/HostedDialogs.h"

namespace fit {
namespace {

// The run event the dialogs pass on; any other is their own.
constexpr std::string_view kRunAction = "Run";
constexpr std::string_view kRunParameter = "MD";

std::string argumentAt(const std::vector<std::string>& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

}  // namespace

LookupKind dialogRecordKind(std::string_view requestText) {
  if (requestText == "2") return LookupKind::GivenName;
  if (requestText == "3") return LookupKind::Corporate;
  return LookupKind::Surname;
}

ExchangeDialog::ExchangeDialog(HostedDialog which, const platform::DialogTemplate& dialogTemplate,
                               int controlId)
    : which_(which), template_(dialogTemplate), controlId_(controlId) {}

ExchangeDialog::~ExchangeDialog() {
  control_.Detach();
}

void ExchangeDialog::Prepare(platform::Window& mask) {
  mask_ = platform::WindowRef(mask);
  if (window_) return;
  window_ = platform::buildDialog(template_, nullptr);
  platform::Window* host = window_->child(controlId_);
  if (host == nullptr) return;
  control_.Attach(*host, [this](DISPID event, const std::vector<std::string>& arguments) {
    OnControlEvent(event, arguments);
  });
}

void ExchangeDialog::OnControlEvent(DISPID event, const std::vector<std::string>& arguments) {
  switch (static_cast<AddPaxEvent>(event)) {
    case AddPaxEvent::SendCommand:
      // No host entry is sent for a command of only blanks.
      if (exchangeMessageFor(which_, ExchangeRequest::SendCommand) == 0 ||
          platform::trimBlanks(argumentAt(arguments, 0)).empty()) {
        return;
      }
      command_ = argumentAt(arguments, 0);
      Post(ExchangeRequest::SendCommand);
      break;
    case AddPaxEvent::SendTo:
      // A message needs the component it is for.
      if (exchangeMessageFor(which_, ExchangeRequest::SendTo) == 0 ||
          platform::trimBlanks(argumentAt(arguments, 1)).empty()) {
        return;
      }
      sendTo_ = {argumentAt(arguments, 0), argumentAt(arguments, 1), argumentAt(arguments, 2)};
      recordKind_ = dialogRecordKind(sendTo_->text);
      Post(ExchangeRequest::SendTo);
      break;
    case AddPaxEvent::OnEvent:
      if (argumentAt(arguments, 0) != kRunAction || argumentAt(arguments, 1) != kRunParameter) {
        return;
      }
      Post(ExchangeRequest::RunSearch);
      break;
    default:
      break;  // the control's other events are the dialog's own
  }
}

void ExchangeDialog::Post(ExchangeRequest request) {
  const UINT message = exchangeMessageFor(which_, request);
  platform::Window* mask = mask_.get();
  if (message != 0 && mask != nullptr) mask->post(message);
}

std::optional<std::string> ExchangeDialog::TakeCommand() {
  return std::exchange(command_, std::nullopt);
}

std::optional<SendToTexts> ExchangeDialog::TakeSendTo() {
  return std::exchange(sendTo_, std::nullopt);
}

void ExchangeDialog::TakeReply(std::string_view reply) {
  control_.SetReply(reply);
}

void ExchangeDialog::TakeProfileAnswer(std::string_view text) {
  control_.SetReply(text);
  if (std::optional<DialogRecord> record = readDialogRecord(text, recordKind_)) {
    record_ = std::move(record);
  }
}

ExchangeDialogs::ExchangeDialogs(bool withProfileDialogs) {
  namespace add = resources::add_passenger_dialog;
  namespace policy = resources::travel_policy_dialog;
  namespace doss = resources::traveller_profile_dialog;
  dialogs_[0] =
      std::make_unique<ExchangeDialog>(HostedDialog::AddPassenger, add::kDialog, add::kControl);
  if (!withProfileDialogs) return;
  dialogs_[1] = std::make_unique<ExchangeDialog>(HostedDialog::TravelPolicy, policy::kDialog,
                                                 policy::kControl);
  dialogs_[2] = std::make_unique<ExchangeDialog>(HostedDialog::TravellerProfile, doss::kDialog,
                                                 doss::kControl);
}

ExchangeDialog* ExchangeDialogs::Find(HostedDialog dialog) {
  return dialogs_[static_cast<std::size_t>(dialog)].get();
}

}  // namespace fit
