#pragma once
// The exchanges the creation masks run with the host and the back office on behalf of the
// dialogs they host and of the agent information: which of them waits for the next host reply,
// where a reply goes, and what "CP_RenderTree" is to say. The mask fires the events and writes
// the whiteboard; this class only keeps the marks and decides.

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/ComTypes.h"

namespace fit {

// The dialogs that can have a host command sent through the mask, in the order in which a host
// reply is handed to the first one waiting.
enum class HostedDialog { AddPassenger, TravelPolicy, TravellerProfile };

enum class ExchangeRequest {
  SendCommand,  // fire SendCommand with the dialog's command text
  SendTo,       // fire SendTo with the dialog's three texts (a profile exchange)
  RunSearch,    // fire OnEvent("Run", "MD")
  AgentCommand  // fire SendCommand with the agent information's host command
};

struct ExchangeMessage {
  std::optional<HostedDialog> dialog;  // none for the agent information
  ExchangeRequest request;
  bool operator==(const ExchangeMessage&) const = default;
};

// The window messages of the exchanges: 0x09DC to 0x09DE (add passenger), 0x0A41 and 0x0A44
// (travel policy), 0x0A42 and 0x0A43 (traveller profile), 0x0600 (agent information).
std::optional<ExchangeMessage> exchangeMessageOf(UINT message);
// The message a dialog posts for its request; 0 for a request it does not make.
UINT exchangeMessageFor(HostedDialog dialog, ExchangeRequest request);

// Where one host reply goes, in this order.
struct ReplyRoute {
  std::optional<HostedDialog> dialog;  // the first waiting dialog; its mark is cleared
  bool agentInformation = false;       // give it to the agent information
  bool booking = false;                // read the booking, build and fire the command
};

// The container's notice that the open PNR's data are ready; no host reply.
inline constexpr std::string_view kPnrInfoNotice = "GETPNRINFO";

// A host reply (Latin-1, as every mask text) as the agent information takes it: in UTF-8. The
// group mask writes the yen sign as "#" (yenAsHash).
std::string agentInformationText(std::string_view reply, bool yenAsHash = false);

class HostExchange {
 public:
  // A message of the exchanges arrived: marks its dialog (or the agent information) waiting;
  // a profile exchange of the add-passenger dialog also asks for a phone fill.
  void onMessage(const ExchangeMessage& message);

  // The agent profile was not known when the mask opened.
  void setAgentProfilePending() { agentProfilePending_ = true; }
  // The agent information reported the profile complete: neither waits any longer.
  void agentProfileComplete() { agentProfilePending_ = agentInformationWaiting_ = false; }
  bool agentProfilePending() const { return agentProfilePending_; }

  // Send asked the host for the booking.
  void setSendPending() { sendPending_ = true; }
  bool sendPending() const { return sendPending_; }

  // A host reply. The send waits on for a reply that is the container's notice only.
  ReplyRoute routeReply(std::string_view reply);

  // A back-office answer through receivedFrom: true when the add-passenger dialog was waiting
  // for it (it takes the answer and waits no longer); false when it is a profile record for
  // the mask's pending lookup.
  bool routeReceivedFrom();

  // A hand-over file was imported; kinds "1" and "4" count as a profile exchange.
  void onHandOverImported(char kind);
  // "TRUE" when a receivedFrom has arrived during the mask's life or a hand-over file of kind
  // "1" or "4" was imported, else the empty text.
  std::string renderTree() const { return profileSeen_ ? "TRUE" : ""; }

  bool isWaiting(HostedDialog dialog) const { return waiting_[static_cast<int>(dialog)]; }
  // Whether a phone fill was asked for; asking clears the request.
  bool takePhoneFill();

 private:
  bool waiting_[3] = {false, false, false};
  bool agentInformationWaiting_ = false;
  bool agentProfilePending_ = false;
  bool sendPending_ = false;
  bool phoneFill_ = false;
  bool profileSeen_ = false;
};

}  // namespace fit
