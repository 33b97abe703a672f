#pragma once
// The outside controls of the travel policy dialog ("Policy") and of the traveller-profile
// dialog "DOSS" ("Doss"). What the agent chooses in them reaches the mask as the dialog's
// answer; the controls themselves make the requests their dialog passes on to the host through
// the mask, and take the replies. The requests are numbered as the add-passenger control's.
//
// Members: 4 a reply text (method). Events: 3 (text) a command whose reply it wants, 5 (action,
// parameter) a desktop event.

#include <string>
#include <string_view>
#include <vector>

#include "desk/controls/PickerControls.h"

namespace desk {

inline constexpr std::string_view kPolicyControlClass = "Policy";
inline constexpr std::string_view kDossControlClass = "Doss";

// Registers both classes with the platform, so that the dialogs that host them find them.
void registerDialogRequestControls();

class DialogRequestControl final : public OutsideControl {
 public:
  static const IID kIid;
  static ComPtr<IDispatch> create(std::string_view className);
  // The control behind a hosted control's interface, or null.
  static DialogRequestControl* of(IDispatch& control);

  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  const std::string& className() const { return className_; }
  // The replies its host handed it, in order (Latin-1).
  const std::vector<std::string>& replies() const { return replies_; }
  // What the agent's work makes the control do: fires event with its string arguments.
  void fireEvent(DISPID event, const std::vector<std::string>& arguments) {
    fire(event, arguments);
  }

 private:
  explicit DialogRequestControl(std::string_view className) : className_(className) {}
  const IID& ownIid() const override { return kIid; }
  std::string className_;
  std::vector<std::string> replies_;
};

}  // namespace desk
