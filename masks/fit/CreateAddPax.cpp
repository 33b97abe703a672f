#include "masks/fit/CreateAddPax.h"

#include <array>

#include "masks/fit/AddPassengerList.h"
#include "masks/fit/DeskSettings.h"
#include "masks/fit/PassengerItems.h"

using namespace platform;
using fit::AddPaxEvent;

namespace {

constexpr int kInitialMode = -1;

// The string at index, or the empty text when the control gave fewer.
std::string argumentAt(const std::vector<std::string>& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

}  // namespace

bool CCreateAddPax::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (message.code == WM_INITDIALOG) {
    OnInitDialog();
    result = 1;
    return true;
  }
  return mask().ProcessWindowMessage(message, result);
}

HRESULT CCreateAddPax::get_Lang(BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = nullptr;
  return S_OK;
}

HRESULT CCreateAddPax::put_Lang(BSTR) {
  return S_OK;
}

HRESULT CCreateAddPax::SetResponse(BSTR response) {
  control_.SetReply(latin1FromBstr(response));
  return S_OK;
}

HRESULT CCreateAddPax::receivedFrom(BSTR, BSTR, BSTR text) {
  control_.SetReply(latin1FromBstr(text));
  return S_OK;
}

void CCreateAddPax::OnInitDialog() {
  Window& dialog = *this->dialog();
  mask().PrepareDialog(dialog);
  Window* host = dialog.child(resources::create_add_pax::kAddPax);
  if (host == nullptr) return;
  const bool attached =
      control_.Attach(*host, [this](DISPID event, const std::vector<std::string>& arguments) {
        OnControlEvent(event, arguments);
      });
  if (!attached) return;
  control_.SetInitialMode(kInitialMode);
  control_.SetText("");
  control_.SetCustomerSource(fit::currentAddPassengerSource());
  control_.SetText("");
}

void CCreateAddPax::OnControlEvent(DISPID event, const std::vector<std::string>& arguments) {
  switch (static_cast<AddPaxEvent>(event)) {
    case AddPaxEvent::Completed:
      OnCompleted();
      break;
    case AddPaxEvent::Send:
      fireEvent(typelib::Event::Send, {argumentAt(arguments, 0)});
      break;
    case AddPaxEvent::SendCommand:
      fireEvent(typelib::Event::SendCommand, {argumentAt(arguments, 0)});
      break;
    case AddPaxEvent::SendTo:
      fireEvent(typelib::Event::SendTo,
                {argumentAt(arguments, 0), argumentAt(arguments, 1), argumentAt(arguments, 2)});
      break;
    case AddPaxEvent::OnEvent:
      fireEvent(typelib::Event::OnEvent, {argumentAt(arguments, 0), argumentAt(arguments, 1)});
      break;
    default:
      break;  // the control's other events are not the mask's
  }
}

// The agent has finished: a cancelled control or a list without a real item cancels.
void CCreateAddPax::OnCompleted() {
  if (control_.CompletionState() != 0) {
    fireEvent(typelib::Event::Cancel);
    return;
  }
  const std::string list = control_.PassengerList();
  std::array<bool, fit::kMaxAddedPassengers> markers{};
  for (std::size_t i = 0; i < markers.size(); ++i) {
    markers[i] = control_.ProfileMarker(static_cast<int>(i));
  }
  std::vector<fit::AddedPassenger> entries = fit::parseAddPassengerList(list, fit::kListNameFields);
  fit::applyProfileMarkers(entries, markers);
  const std::string command = fit::buildAddPassengerCommand(fit::slotsOf(entries));
  if (command.empty()) {
    fireEvent(typelib::Event::Cancel);
    return;
  }
  fireEvent(typelib::Event::Send, {command});
}
