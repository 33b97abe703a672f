#include "desk/container/ControlKind.h"

namespace desk {

using namespace platform;

std::string_view controlKind(const Window& control) {
  switch (control.windowClass()) {
    case WindowClass::Static:
    case WindowClass::Dialog:
      return "static";
    case WindowClass::Edit:
      return "edit";
    case WindowClass::ComboBox:
      return "combo";
    case WindowClass::ListBox:
      return "list";
    case WindowClass::Hosted:
      return "hosted";
    case WindowClass::Button:
      break;
  }
  switch (control.styleType()) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return "check";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return "radio";
    case BS_GROUPBOX:
      return "group";
    default:
      return "button";
  }
}

bool isCheckable(const Window& control) {
  const std::string_view kind = controlKind(control);
  return kind == "check" || kind == "radio";
}

}  // namespace desk
