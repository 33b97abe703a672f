#include "fields/PickerDialog.h"

#include "platform/com/OutsideControls.h"
#include "platform/com/StringEventSink.h"
#include "platform/window/Desktop.h"

namespace fields {

using namespace platform;

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

  // The listener lives on this stack and is disconnected before it goes.
  IDispatch& source = *control.get();
  StringEventSink sink([this, &source](DISPID event, const std::vector<std::string>& arguments) {
    OnControlEvent(event, arguments, source);
  });
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
