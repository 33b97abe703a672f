// The group mask's exchanges with the desktop and the host: the agent's profile for the agency
// block, the Add Passenger dialog and its customer-profile requests, and the host's replies.

#include "masks/fit/CreationProfile.h"
#include "masks/fit/DeskSettings.h"
#include "masks/group/PNRCreationGIT.h"

using namespace platform;

namespace {

// The agent information's data source location of an agency kept in DOSS.
constexpr int kDossLocation = 2;

void writeRenderTree(std::string_view value) {
  fit::writeUserValue("CP_RenderTree", value);
}

}  // namespace

// The agency block from the agent's profile: at once when the desktop knows it, otherwise
// after the host's reply.
void CPNRCreationGIT::AfterInitDialog() {
  if (fit::requestAgentProfile(agentInfo_, dialog())) {
    FillAgencyFromAgentInfo();
  } else {
    exchange_.setAgentProfilePending();
  }
  copyFromDoss_.SetChecked(agentInfo_.getDataSrcLocation() == kDossLocation);
  ApplyCopyFromDoss();
}

void CPNRCreationGIT::FillAgencyFromAgentInfo() {
  fit::presetAgency(agentInfo_, agency_);
}

// The Add Passenger dialog's requests and the agent information's, answered as the individual
// creation mask answers them; the other hosted dialogs' are not the group mask's.
bool CPNRCreationGIT::OnExchangeMessage(UINT code) {
  const std::optional<fit::ExchangeMessage> exchange = fit::exchangeMessageOf(code);
  if (!exchange || (exchange->dialog && *exchange->dialog != fit::HostedDialog::AddPassenger)) {
    return false;
  }
  fit::answerExchangeMessage(*exchange, exchange_, dialogs_, agentInfo_, *this);
  return true;
}

HRESULT CPNRCreationGIT::SetResponse(BSTR response) {
  const std::string reply = latin1FromBstr(response);
  const fit::ReplyRoute route = exchange_.routeReply(reply);
  fit::handReplyToDialog(route, dialogs_, reply);
  if (!route.agentInformation) return S_OK;
  bool complete = false;
  const std::string text = fit::agentInformationText(reply, true);
  if (agentInfo_.setXMLResponseFromHostEx(text, &complete) == 0) {
    mask().log().error(kTraits.name, "SetResponse", 200, "%s",
                       "the agent information refused the host reply");
    return S_OK;
  }
  if (complete) {
    exchange_.agentProfileComplete();
    if (dialog() != nullptr) FillAgencyFromAgentInfo();
  }
  return S_OK;
}

// A back-office answer for the waiting Add Passenger dialog; none is waited for otherwise.
HRESULT CPNRCreationGIT::receivedFrom(BSTR, BSTR, BSTR text) {
  if (!exchange_.isWaiting(fit::HostedDialog::AddPassenger)) return S_OK;
  exchange_.routeReceivedFrom();
  dialogs_.AddPassenger().TakeProfileAnswer(latin1FromBstr(text));
  writeRenderTree("");
  return S_OK;
}

void CPNRCreationGIT::OnAddPassenger() {
  std::optional<fit::SavedAddPassengerList> list = fit::runAddPassengerDialog(
      *dialog(), fit::currentAddPassengerSource(), passengers_ ? &*passengers_ : nullptr,
      dialogs_.AddPassenger(), exchange_, homePhone_, businessPhone_);
  if (list) passengers_ = std::move(*list);
}
