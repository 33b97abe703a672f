#include "framework/MaskControl.h"


namespace framework {

using namespace platform;

namespace {

constexpr DISPID kUnknownName = -1;

// The control of the dialog that a notification names in its lParam, or null: only the
// dialog's own controls get their notifications back.
Window* notifyingControl(const Window& dialog, LPARAM named) {
  for (const std::unique_ptr<Window>& control : dialog.children()) {
    if (reinterpret_cast<LPARAM>(control.get()) == named) return control.get();
  }
  return nullptr;
}

}  // namespace

MaskControlBase::MaskControlBase(const typelib::ClassDescription& description)
    : description_(description) {
  lockModule();
}

MaskControlBase::~MaskControlBase() {
  deactivate();
  if (connectionPoint_) connectionPoint_->disconnectAll();
  unlockModule();
}

void MaskControlBase::createConnectionPoint(IConnectionPointContainer& container) {
  connectionPoint_ = std::make_unique<EventConnectionPoint>(container, description_.eventIid);
}

void MaskControlBase::fireEvent(typelib::Event event, const std::vector<std::string>& arguments) {
  const typelib::EventMember* member = typelib::findEvent(description_, event);
  if (member == nullptr || !connectionPoint_) return;
  connectionPoint_->fire(member->id, arguments);
}

HRESULT MaskControlBase::namesToIds(LPOLESTR* names, UINT nameCount, DISPID* ids) const {
  if (names == nullptr || ids == nullptr) return E_POINTER;
  if (nameCount == 0) return S_OK;
  const typelib::InterfaceMember* member =
      typelib::findMember(description_, latin1FromBstr(names[0]));
  HRESULT result = S_OK;
  ids[0] = member != nullptr ? member->id : kUnknownName;
  if (member == nullptr) result = DISP_E_UNKNOWNNAME;
  // The other names are the member's parameters, numbered by position.
  for (UINT index = 1; index < nameCount; ++index) {
    ids[index] = kUnknownName;
    if (member == nullptr) continue;
    const std::string name = latin1FromBstr(names[index]);
    for (std::size_t position = 0; position < member->parameters.size(); ++position) {
      if (!name.empty() && member->parameters[position] == name) {
        ids[index] = static_cast<DISPID>(position);
      }
    }
    if (ids[index] == kUnknownName) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT MaskControlBase::invokeMember(DISPID id, WORD flags, const DISPPARAMS* params,
                                      VARIANT* result) {
  const typelib::InterfaceMember* member = typelib::findMember(description_, id);
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
  const bool propertyGet = member->member == typelib::Member::Lang &&
                           (flags & DISPATCH_PROPERTYGET) != 0 &&
                           (flags & DISPATCH_PROPERTYPUT) == 0;
  if (member->member == typelib::Member::Lang && !propertyGet &&
      (flags & DISPATCH_PROPERTYPUT) == 0) {
    return DISP_E_MEMBERNOTFOUND;
  }
  const std::size_t expected = propertyGet ? 0 : member->parameters.size();
  const UINT given = params != nullptr ? params->cArgs : 0;
  if (given != expected) return DISP_E_BADPARAMCOUNT;

  // Arguments arrive last first; the members take them in declared order.
  std::vector<BSTR> arguments(expected, nullptr);
  for (std::size_t index = 0; index < expected; ++index) {
    const VARIANT& argument = params->rgvarg[expected - 1 - index];
    if (argument.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    arguments[index] = argument.bstrVal;
  }
  BSTR value = nullptr;
  const HRESULT outcome =
      callMember(member->member, propertyGet ? DISPATCH_PROPERTYGET : flags, arguments, &value);
  if (propertyGet && result != nullptr && SUCCEEDED(outcome)) {
    result->vt = VT_BSTR;
    result->bstrVal = value;
  } else {
    SysFreeString(value);
  }
  return outcome;
}

HRESULT MaskControlBase::activate(Window* containerWindow, const DialogTemplate& dialogTemplate) {
  if (dialog_) return S_OK;
  dialog_ = buildDialog(dialogTemplate, containerWindow);
  dialog_->attachHandler(
      [this](const Message& message, LRESULT& result) { return routeMessage(message, result); });
  dialog_->send(WM_INITDIALOG);
  return S_OK;
}

void MaskControlBase::deactivate() {
  dialog_.reset();
}

bool MaskControlBase::reflectNotification(const Message& message, LRESULT& result) {
  if (message.code != WM_COMMAND && message.code != WM_CTLCOLORSTATIC) return false;
  // A colour request without a drawing context is not the control's to answer.
  if (message.code == WM_CTLCOLORSTATIC && message.wParam == 0) return false;
  if (!dialog_) return false;
  Window* control = notifyingControl(*dialog_, message.lParam);
  if (control == nullptr) return false;
  result = control->send(OCM__BASE + message.code, message.wParam, message.lParam);
  return true;
}

}  // namespace framework
