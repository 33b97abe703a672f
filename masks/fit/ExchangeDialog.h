#pragma once
// A dialog of the creation masks through which its hosted control can have the host (or
// another desktop component) asked: the Add Passenger dialog, the Travel Policy Record dialog
// and the traveller-profile dialog "DOSS". It is made from its template on first use and kept
// with the mask. When its control fires a request, the dialog keeps the request's texts and
// posts its message to the mask, which sends them and later hands the reply back.
//
// The three controls number their requests as the add-passenger control does (HostedAddPax):
// event 3 (text) a command whose reply the control wants, 4 (source, destination, text) a
// message to a desktop component, 5 (action, parameter) a desktop event; member 4 takes a
// reply.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "masks/fit/HostExchange.h"
#include "masks/fit/HostedAddPax.h"
#include "masks/fit/ProfileImport.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/WindowRef.h"

namespace fit {

// The three texts of a message to another desktop component.
struct SendToTexts {
  std::string source, destination, text;
};

// The kind of profile record a back-office answer to the dialog holds, by the text of the
// dialog's request: "2" a dependant, "3" a corporate record, anything else a main record.
LookupKind dialogRecordKind(std::string_view requestText);

class ExchangeDialog {
 public:
  // which names the messages the dialog posts (exchangeMessageFor).
  ExchangeDialog(HostedDialog which, const platform::DialogTemplate& dialogTemplate, int controlId);
  ~ExchangeDialog();
  ExchangeDialog(const ExchangeDialog&) = delete;
  ExchangeDialog& operator=(const ExchangeDialog&) = delete;

  // Makes the dialog and its control on first use; its messages go to the mask's window.
  void Prepare(platform::Window& mask);
  bool IsPrepared() const { return window_ != nullptr; }
  HostedAddPax& Control() { return control_; }

  // The texts of the request the dialog posted its message for, each taken once: nothing when
  // the control has made no such request since.
  std::optional<std::string> TakeCommand();
  std::optional<SendToTexts> TakeSendTo();

  // The host's reply to the dialog's command: handed to its control.
  void TakeReply(std::string_view reply);
  // The back office's answer to the dialog's message: handed to its control and read into the
  // dialog's own profile record, in the kind its message asked for.
  void TakeProfileAnswer(std::string_view text);
  const std::optional<DialogRecord>& Record() const { return record_; }

 private:
  void OnControlEvent(DISPID event, const std::vector<std::string>& arguments);
  void Post(ExchangeRequest request);

  HostedDialog which_;
  const platform::DialogTemplate& template_;
  int controlId_;
  std::unique_ptr<platform::Window> window_;
  platform::WindowRef mask_;
  HostedAddPax control_;
  std::optional<std::string> command_;
  std::optional<SendToTexts> sendTo_;
  LookupKind recordKind_ = LookupKind::Surname;
  std::optional<DialogRecord> record_;
};

// The dialogs a creation mask hosts, each made on first use. The group mask has only the Add
// Passenger dialog.
class ExchangeDialogs {
 public:
  explicit ExchangeDialogs(bool withProfileDialogs = true);
  // The dialog, or null when the mask has no such dialog.
  ExchangeDialog* Find(HostedDialog dialog);
  ExchangeDialog& AddPassenger() { return *dialogs_[0]; }

 private:
  std::array<std::unique_ptr<ExchangeDialog>, 3> dialogs_;
};

}  // namespace fit
