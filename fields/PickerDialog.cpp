#include "fields/PickerDialog.h"

#include "platform/com/OutsideControls.h"
#include "platform/window/Desktop.h"

namespace fields {

using namespace platform;

// The dialog's listener on the control's events. It lives on the stack of DoModal and is
// disconnected before it goes, so its references are only counted for form.
class PickerDialog::EventSink final : public IDispatch {
 public:
  EventSink(PickerDialog& dialog, IDispatch& control) : dialog_(dialog), control_(control) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override { return --references_; }
  HRESULT GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override {
    if (typeInfo != nullptr) *typeInfo = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                 UINT*) override {
    std::vector<std::string> arguments;
    const UINT count = params != nullptr ? params->cArgs : 0;
    for (UINT index = count; index-- > 0;) {
      const VARIANT& argument = params->rgvarg[index];  // the last argument first
      arguments.push_back(argument.vt == VT_BSTR ? latin1FromBstr(argument.bstrVal) : "");
    }
    dialog_.OnControlEvent(member, arguments, control_);
    return S_OK;
  }

 private:
  PickerDialog& dialog_;
  IDispatch& control_;
  ULONG references_ = 0;
};

PickerDialog::PickerDialog(const DialogTemplate& dialogTemplate, int controlId,
                           std::string_view kind)
    : template_(dialogTemplate), controlId_(controlId), kind_(kind) {}

PickerDialog::~PickerDialog() = default;

void PickerDialog::OnOpen(IDispatch&) {}

void PickerDialog::DoModal(Window* owner) {
  ended_ = false;
  std::unique_ptr<Window> dialog = buildDialog(template_, owner);
  Window* host = dialog->child(controlId_);
  ComPtr<IDispatch> control =
      host != nullptr ? createOutsideControl(host->hostedClass()) : ComPtr<IDispatch>();
  if (!control) return;

  EventSink sink(*this, *control.get());
  ComPtr<IConnectionPoint> point;
  DWORD cookie = 0;
  if (auto container = control.query<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
    if (SUCCEEDED(container->FindConnectionPoint(IID_IDispatch, point.out()))) {
      if (FAILED(point->Advise(&sink, &cookie))) point.reset();
    }
  }
  OnOpen(*control.get());
  if (!ended_) runPicker(kind_, *dialog, *control.get());
  // Closed: disconnect and let the control go.
  if (point) point->Unadvise(cookie);
}

}  // namespace fields
