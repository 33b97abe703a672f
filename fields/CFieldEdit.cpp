#include "fields/CFieldEdit.h"

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
  if (message.code == WM_SETFOCUS) {
    if (Window* dialog = dialog_.get()) dialog->setText(toolTipText_.value_or(""));
  }
  // The control then handles the focus as usual.
  return false;
}

}  // namespace fields
