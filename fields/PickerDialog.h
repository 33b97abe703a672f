#pragma once
// What the two picker dialogs share: a small modal dialog, built from its template and owned
// by the window that opens it, hosting one outside control. The dialog creates the control,
// connects to its events, hands it its input and lets the container run it; the control's
// events decide the result and close the dialog.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/services/CTorvanLog.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"
#include "platform/window/DialogTemplate.h"

namespace fields {

class PickerDialog {
 public:
  virtual ~PickerDialog();
  PickerDialog(const PickerDialog&) = delete;
  PickerDialog& operator=(const PickerDialog&) = delete;

 protected:
  // kind: what the container calls the dialog ("calendar", "coder").
  PickerDialog(const platform::DialogTemplate& dialogTemplate, int controlId,
               std::string_view kind);

  // Opens the dialog and returns when it is closed. A control that cannot be created leaves
  // the dialog empty, and it closes without a result.
  void DoModal(platform::Window* owner);
  // The dialog is open and connected: hand the control its input.
  virtual void OnOpen(IDispatch& control);
  // An event of the control with its string arguments in declared order.
  virtual void OnControlEvent(DISPID event, const std::vector<std::string>& arguments,
                              IDispatch& control) = 0;
  // Ends the dialog.
  void EndDialog() { ended_ = true; }
  CTorvanLog& log() { return log_; }

 private:
  const platform::DialogTemplate& template_;
  int controlId_;
  std::string kind_;
  CTorvanLog log_;
  bool ended_ = false;
};

}  // namespace fields
