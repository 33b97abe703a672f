#pragma once
// The desktop's add-passenger control ("AddPax"): the editing screen where the agent adds up to
// nine travellers, hosted by the add-passenger mask in its own dialog. What it reports (its
// completion state, its passenger list text and the nine profile markers) is what the desk
// state holds (desk/state/AddPassengerControl.h); what it is given is kept so that a container
// can show it. Its members and events are those of platform/com/AddPassengerContract.h; the
// profile marker of an index outside 0 to 8 is 0.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/controls/PickerControls.h"
#include "platform/com/AddPassengerContract.h"

namespace desk {

inline constexpr std::string_view kAddPaxControlClass = platform::add_passenger::kClassName;

// Registers the class with the platform, so that a dialog that hosts it finds it.
void registerAddPaxControl();

class AddPaxControl final : public OutsideControl {
 public:
  static const IID kIid;
  // The event that says the agent has finished, and the completion state the control then
  // reports: 0 with the list taken, kCancelled when the agent cancelled.
  static constexpr DISPID kFinishedEvent =
      platform::add_passenger::dispatchId(platform::add_passenger::Event::Completed);
  static constexpr int kFinished = platform::add_passenger::kFinished;
  static constexpr int kCancelled = platform::add_passenger::kCancelled;

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
