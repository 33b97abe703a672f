#pragma once
// The desktop's add-passenger control ("AddPax"): the editing screen where the agent adds up to
// nine travellers, hosted by the add-passenger mask in its own dialog. What it reports (its
// completion state, its passenger list text and the nine profile markers) is what the desk
// state holds (desk/state/AddPassengerControl.h); what it is given is kept so that a container
// can show it.
//
// Members: 1 initial mode (put, number), 2 a text (put), 3 the customer source (put, number),
// 4 a reply text (method), 5 the completion state (get, number), 6 the passenger list text
// (get), 7 the profile marker of entry i (get with the index, 0 or 1; 0 outside 0 to 8).
// Events: 1 the agent has finished, 2 (text) a command to send, 3 (text) a command whose reply
// it wants, 4 (source, destination, text) a message to a desktop component, 5 (action,
// parameter) a desktop event.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/controls/PickerControls.h"

namespace desk {

inline constexpr std::string_view kAddPaxControlClass = "AddPax";

// Registers the class with the platform, so that a dialog that hosts it finds it.
void registerAddPaxControl();

class AddPaxControl final : public OutsideControl {
 public:
  static const IID kIid;
  // The event that says the agent has finished, and the completion state the control then
  // reports: 0 with the list taken, kCancelled when the agent cancelled.
  static constexpr DISPID kFinishedEvent = 1;
  static constexpr int kFinished = 0;
  static constexpr int kCancelled = 1;

  static ComPtr<IDispatch> create();
  // The add-passenger control behind a hosted control's interface, or null.
  static AddPaxControl* of(IDispatch& control);

  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  // What its host gave it, in the order given (texts Latin-1).
  struct Received {
    std::optional<int> initialMode;
    std::optional<int> customerSource;
    std::vector<std::string> texts;
    std::vector<std::string> replies;
  };
  const Received& received() const { return received_; }

  // What the agent's work makes the control do: fires event with its string arguments.
  void fireEvent(DISPID event, const std::vector<std::string>& arguments) {
    fire(event, arguments);
  }

 private:
  const IID& ownIid() const override { return kIid; }
  Received received_;
};

}  // namespace desk
