#include "masks/passenger/PNRModificationEmail.h"

#include "framework/CParseField.h"
#include "framework/HostCommand.h"
#include "framework/services/TorvanArch.h"
#include "platform/com/Bstr.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_modification_email;
using namespace platform;

namespace {

constexpr std::size_t kQueueBuffer = 1024;

bool isBlank(std::string_view text) {
  return platform::trimWhiteSpace(text).empty();
}

}  // namespace

CPNRModificationEmail::CPNRModificationEmail() {
  // The e-mail's keys first, then the line: the order of saving.
  fields().declare(email_, "", ids::kEmailLabel, ids::kEmail, ids::kFreeTextLabel, ids::kFreeText,
                   ids::kPassengerLabel, ids::kPassenger, 1, fields::kModification);
  fields().declare(lineNo_, "LINENO", ids::kLineLabel, ids::kLineNumber, 0, fields::kModification);
  // A cleared mask shows the empty entry of the passenger list it has.
  fields().declareKept([](CTorvanProfile&) {}, [](CTorvanProfile&) {},
                       [this] {
                         Window& list = *dialog()->child(ids::kPassengerList);
                         if (list.entryCount() > 0) list.setCurrentEntry(0);
                       });
}

bool CPNRModificationEmail::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (openPnr_.onWindowMessage(message.code, dialog())) {
    fireEvent(typelib::Event::OnEvent, {"Run", "GetPNR"});
    return true;
  }
  return StandardMask::ProcessWindowMessage(message, result);
}

// Only the desktop's notice that the PNR is read ends the wait well; any other reply while
// waiting ends it too, and the mask stays disabled.
HRESULT CPNRModificationEmail::SetResponse(BSTR response) {
  if (!openPnr_.onResponse(latin1FromBstr(response), dialog())) return S_OK;
  masks::OpenPnrContacts contacts = masks::readOpenPnrContacts(dialog());
  passengerLabels_ = std::move(contacts.passengerLabels);
  existingEmails_ = std::move(contacts.emails);
  ShowPassengers();
  PresetFromQueue();
  return S_OK;
}

// With passengers the list takes the place of the passenger edit.
void CPNRModificationEmail::ShowPassengers() {
  Window& list = *dialog()->child(ids::kPassengerList);
  Window& passenger = *dialog()->child(ids::kPassenger);
  if (passengerLabels_.empty()) {
    passenger.show(SW_SHOW);
    list.show(SW_HIDE);
    return;
  }
  masks::fillPassengerList(list, passengerLabels_);
  passenger.show(SW_HIDE);
  list.show(SW_SHOW);
}

// The desktop's line: its number, address, free text and listed passenger. A passenger named
// without an address or free text brings the e-mail the PNR holds for that passenger.
void CPNRModificationEmail::PresetFromQueue() {
  std::string message;
  Q_popString("ID_MODIFYPNR_EMAIL", "", message, kQueueBuffer, "VLWHITEBOARD", 60000);
  if (message.empty()) return;
  const framework::CParseField parameters(message.c_str(), "&");
  std::string value;
  bool brought = false;
  if (parameters.GetValue("LineNum", value)) lineNo_.SetText(value);
  if (parameters.GetValue("Email", value)) {
    email_.SetEmail(value);
    brought = brought || !value.empty();
  }
  if (parameters.GetValue("FreeText", value)) {
    dialog()->child(ids::kFreeText)->setText(value);
    brought = brought || !value.empty();
  }
  std::string nameNumber;
  if (!parameters.GetValue("NameNum", nameNumber)) return;
  // The name number chooses a listed passenger; without a list the passenger edit stays as the
  // agent leaves it, so that no name number the agent did not type reaches the command.
  if (const int entry = masks::passengerEntryOf(passengerLabels_, nameNumber); entry != 0) {
    dialog()->child(ids::kPassengerList)->setCurrentEntry(entry);
  }
  if (brought) return;
  for (const masks::ExistingEmail& existing : existingEmails_) {
    if (!platform::equalIgnoringCase(existing.nameNumber, nameNumber)) continue;
    email_.SetEmail(existing.address);
    dialog()->child(ids::kFreeText)->setText(existing.remark);
    return;
  }
}

std::string CPNRModificationEmail::SelectedNameNumber() const {
  const Window& list = *dialog()->child(ids::kPassengerList);
  const int selected = list.currentEntry();
  if (selected <= 0) return "";
  const ListEntry* entry = list.entry(selected);
  return entry != nullptr ? std::string(masks::labelNameNumber(entry->text)) : "";
}

bool CPNRModificationEmail::ValidateFields() {
  return lineNo_.Validate() && email_.Validate();
}

// Without passengers the e-mail element with the line as its prefix; with them the element is
// built here, the passenger taken from the list.
std::string CPNRModificationEmail::BuildCommand() const {
  const std::string line = lineNo_.GetText(fields::kShortBuffer);
  if (passengerLabels_.empty()) return email_.BuildFragment(line);
  std::string command = "PE";
  if (!isBlank(Text(ids::kLineNumber))) command += line;
  command += framework::kChangeMark;
  const std::string address = Text(ids::kEmail);
  if (!isBlank(address)) {
    const std::string mark(framework::kFreeTextMark);
    command += mark + framework::hostEmailAddress(address) + mark;
  }
  if (const std::string freeText = Text(ids::kFreeText); !isBlank(freeText)) command += freeText;
  if (const std::string nameNumber = SelectedNameNumber(); !nameNumber.empty()) {
    command += "-" + nameNumber;
  }
  return command;
}
