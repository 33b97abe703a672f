#include "fields/CFieldEdit.h"

#include "fields/CCalendarDialog.h"
#include "fields/CCoderDialog.h"
#include "platform/window/Desktop.h"
#include "platform/window/WindowRef.h"

namespace fields {

using namespace platform;

CFieldEdit::~CFieldEdit() = default;

void CFieldEdit::Attach(Window& dialog, Window& control, std::optional<std::string> toolTip) {
  WindowWrapper::Attach(control);
  dialog_ = WindowRef(dialog);
  controlId_ = control.id();
  toolTipText_ = std::move(toolTip);
}

bool CFieldEdit::ProcessWindowMessage(const Message& message, LRESULT&) {
  switch (message.code) {
    case WM_SETFOCUS:
      if (Window* dialog = dialog_.get()) dialog->setText(toolTipText_.value_or(""));
      // The control then handles the focus as usual.
      return false;
    case WM_KEYDOWN:
      // F1 goes on to the control after the picker.
      if (message.wParam == VK_F1) OpenPicker();
      return false;
    case WM_LBUTTONDBLCLK:
      OpenPicker();
      return true;
    default:
      return false;
  }
}

void CFieldEdit::OpenPicker() {
  Window* control = window();
  if (control == nullptr) return;
  const WindowRef kept(*control);
  std::string picked;
  if (calendar_ != 0) {
    picked = CCalendarDialog().Run(dialog_.get());
  } else if (lookupTable_) {
    picked = CCoderDialog().Run(dialog_.get(), *lookupTable_);
  } else {
    return;
  }
  // The mask may have gone while the picker was open.
  control = kept.get();
  if (control == nullptr) return;
  if (!picked.empty()) control->setText(picked);
  desktop().setFocus(control);
}

}  // namespace fields
