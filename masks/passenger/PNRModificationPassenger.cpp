#include "masks/passenger/PNRModificationPassenger.h"

#include "framework/CParseField.h"
#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "framework/services/TorvanArch.h"
#include "platform/com/Bstr.h"
#include "platform/text/TextRules.h"
#include "platform/window/Desktop.h"

namespace ids = resources::pnr_modification_passenger;
using namespace platform;

namespace {

constexpr int kNoControl = -1;
constexpr std::size_t kQueueBuffer = 1024;
constexpr std::size_t kTextBuffer = 1024;
constexpr std::string_view kFreeTextCharacters = " ,-_~!@#$%^&*()<>=+:;{}[]\\/?";

bool isBlank(std::string_view text) {
  return platform::trimWhiteSpace(text).empty();
}

}  // namespace

CPNRModificationPassenger::CPNRModificationPassenger() {
  // In the order of the whiteboard keys: the fields, then the two modes.
  fields().declare(nameNumber_, "PAXNAMENO", ids::kNameNumberLabel, ids::kNameNumber, 1);
  fields().declare(givenName_, "GIVENNAME", ids::kGivenNameLabel, ids::kGivenName, 1, 30,
                   "LAB_PNR_GIVENNAME", "TIP_PNR_GIVENNAME", fields::kModification);
  fields().declare(title_, "TITLE", ids::kTitleLabel, ids::kTitle, 0, 30, "LAB_PNR_TITLE",
                   "TIP_PNR_TITLE", fields::kModification);
  fields().declare(surname_, "SURNAME", ids::kSurnameLabel, ids::kSurname, 0, 30, "LAB_PNR_SURNAME",
                   "TOOLTIP_PNR_SURNAME", fields::kModification);
  fields().declare(freeText_, "FREETEXT", ids::kFreeTextLabel, ids::kFreeText, 0, 50,
                   "_LAB_FREE_TXT", "TOOLTIP_PNR_FREE_TEXT", fields::kModification);
  fields().declare(receivedFrom_, "RECEIVEDFROM", ids::kReceivedFromLabel, ids::kReceivedFrom, 0,
                   40, "LAB_PNR_RECEIVEDFROM", "TIP_PNR_RECEIVEDFROM", fields::kModification);
  fields().declare(givenNameMode_, "", ids::kGivenNameMode, kNoControl, 0, 0, "DATA_TYPE_GIVENNAME",
                   "TIP_PNR_GIVENNAME", fields::kModification);
  fields().declare(freeTextMode_, "", ids::kFreeTextMode, kNoControl, 0, 0, "DATA_TYPE_FREETEXT",
                   "TOOLTIP_PNR_FREE_TEXT", fields::kModification);
  fields().declare(givenNameButton_, "RADIO_GIVENNAME", ids::kGivenNameMode, true);
  fields().declare(freeTextButton_, "RADIO_FREETEXT", ids::kFreeTextMode);
  // A cleared mask shows the empty entry of the list it has.
  fields().declareKept([](CTorvanProfile&) {}, [](CTorvanProfile&) {},
                       [this] {
                         if (!records_.empty())
                           dialog()->child(ids::kPassengerList)->setCurrentEntry(0);
                       });
}

bool CPNRModificationPassenger::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (message.code == WM_SHOWWINDOW) OnShow();
  return StandardMask::ProcessWindowMessage(message, result);
}

// The host's passenger list: every reply replaces the records and enables the mask. A reply
// that holds no list leaves the name number edit in use.
HRESULT CPNRModificationPassenger::SetResponse(BSTR response) {
  if (dialog() == nullptr) return S_OK;
  dialog()->enable(true);
  records_ = masks::parsePassengerReply(latin1FromBstr(response));
  FillList();
  PreselectFromQueue();
  return S_OK;
}

void CPNRModificationPassenger::BindFields(Window& dialog) {
  surname_.EditWindow()->enable(false);
  dialog.child(ids::kPassengerList)->show(SW_HIDE);
  givenNameButton_.SetChecked(true);
  freeTextButton_.SetChecked(false);
  ApplyGivenNameMode();
}

bool CPNRModificationPassenger::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code != WM_COMMAND) return false;
  const int id = lowWord(message.wParam);
  const int code = highWord(message.wParam);
  if (id == ids::kPassengerList && code == CBN_SELCHANGE) {
    OnPassengerSelected();
  } else if (id == ids::kGivenNameMode && code == BN_CLICKED) {
    ApplyGivenNameMode();
  } else if (id == ids::kFreeTextMode && code == BN_CLICKED) {
    ApplyFreeTextMode();
  }
  return false;
}

// The list is asked for once in the mask's life, and the mask waits for it disabled. A later
// show leaves a mask that has had its reply as it is.
void CPNRModificationPassenger::OnShow() {
  if (passengersRequested_) return;
  passengersRequested_ = true;
  dialog()->enable(false);
  fireEvent(typelib::Event::SendCommand, {std::string(framework::kPassengerInfoCommand)});
}

// Entry 0 is empty; entry k stands for record k - 1. What an earlier list showed is emptied.
void CPNRModificationPassenger::FillList() {
  Window& list = *dialog()->child(ids::kPassengerList);
  list.clearEntries();
  ShowRecord(nullptr);
  listMode_ = !records_.empty();
  if (!listMode_) {
    list.show(SW_HIDE);
    nameNumber_.ShowEdit(SW_SHOW);
    return;
  }
  list.addEntry("", 0);
  for (std::size_t index = 0; index < records_.size(); ++index) {
    list.addEntry(records_[index].nameNumber, static_cast<std::intptr_t>(index + 1));
  }
  list.setCurrentEntry(0);
  list.show(SW_SHOW);
  nameNumber_.ShowEdit(SW_HIDE);
}

// The desktop's choice of a listed passenger. Without a list the name number edit stays as the
// agent leaves it, so that no name number the agent did not type reaches the command.
void CPNRModificationPassenger::PreselectFromQueue() {
  std::string message;
  Q_popString("ID_MODIFYPNR_PASSANGER", "", message, kQueueBuffer, "VLWHITEBOARD", 60000);
  if (message.empty()) return;
  framework::CParseField parameters(message.c_str(), "&");
  std::string value;
  if (!parameters.GetValue("NameNum", value)) return;
  const std::string nameNumber(platform::trimWhiteSpace(value));
  if (nameNumber.empty()) return;
  for (std::size_t index = 0; index < records_.size(); ++index) {
    if (records_[index].nameNumber != nameNumber) continue;
    dialog()->child(ids::kPassengerList)->setCurrentEntry(static_cast<int>(index + 1));
    ShowRecord(&records_[index]);
    return;
  }
}

void CPNRModificationPassenger::ShowRecord(const masks::PassengerRecord* record) {
  surname_.SetText(record != nullptr ? record->surname : "");
  givenName_.SetText(record != nullptr ? record->givenName : "");
  title_.SetText(record != nullptr ? record->title : "");
  freeText_.SetText(record != nullptr ? record->freeText : "");
}

// A new passenger starts in given-name mode, without a received-from text.
void CPNRModificationPassenger::OnPassengerSelected() {
  ShowRecord(SelectedRecord());
  givenNameButton_.SetChecked(true);
  freeTextButton_.SetChecked(false);
  receivedFrom_.Clear();
  ApplyGivenNameMode();
}

void CPNRModificationPassenger::ApplyGivenNameMode() {
  surname_.EditWindow()->enable(false);
  freeText_.Enable(0);
  givenName_.Enable(1);
  title_.Enable(1);
  givenName_.SetMandatory(1);
}

void CPNRModificationPassenger::ApplyFreeTextMode() {
  freeText_.Enable(1);
  givenName_.Enable(0);
  title_.Enable(0);
  givenName_.SetMandatory(0);
}

bool CPNRModificationPassenger::IsGivenNameMode() const {
  return givenNameButton_.IsChecked();
}

bool CPNRModificationPassenger::IsFreeTextMode() const {
  return freeTextButton_.IsChecked();
}

// Exactly one mode: free text when its button came back checked, else the given name.
void CPNRModificationPassenger::ApplyRules() {
  const bool freeTextMode = IsFreeTextMode();
  givenNameButton_.SetChecked(!freeTextMode);
  freeTextButton_.SetChecked(freeTextMode);
  if (freeTextMode) {
    ApplyFreeTextMode();
  } else {
    ApplyGivenNameMode();
  }
}

const masks::PassengerRecord* CPNRModificationPassenger::SelectedRecord() const {
  if (!listMode_) return nullptr;
  const Window& list = *dialog()->child(ids::kPassengerList);
  const ListEntry* entry = list.entry(list.currentEntry());
  if (entry == nullptr || entry->data < 1 || entry->data > static_cast<int>(records_.size())) {
    return nullptr;
  }
  return &records_[static_cast<std::size_t>(entry->data - 1)];
}

// The shown entry of the list, or the name number edit without a list.
std::string CPNRModificationPassenger::NameNumber() const {
  return listMode_ ? framework::itemText(*dialog(), ids::kPassengerList, kTextBuffer)
                   : nameNumber_.GetText();
}

// The list's faults are reported in the creation caption.
bool CPNRModificationPassenger::CreationFault(int controlId, std::string_view errorKey) {
  mask().ReportFault(*dialog(), controlId, framework::kCreationCaption, errorKey);
  return false;
}

bool CPNRModificationPassenger::CheckPassenger() {
  if (!listMode_) return nameNumber_.Validate() != 0;
  if (NameNumber().empty()) {
    return CreationFault(ids::kPassengerList, "ERR_PNR_PAXNAMENO_NOTSEL");
  }
  if (givenName_.GetText().empty()) {
    return CreationFault(ids::kGivenName, "ERR_PNR_GIVENNAME_NONE");
  }
  return true;
}

bool CPNRModificationPassenger::CheckGivenNameAndTitle() {
  if (!IsGivenNameMode()) return true;
  const std::string givenName = givenName_.GetText();
  const std::string title = title_.GetText();
  const CTorvanValidate validate;
  if (givenName.empty()) {
    if (title.empty()) return true;
    return Fault(kNoControl, "ERR_PNR_GIVENNAME_MANDATORY_TITLE_CHG");
  }
  if (!validate.IsAlphaEx(givenName, "/")) {
    return Fault(ids::kGivenName, "ERR_PNR_GIVENNAME_NONALPHA");
  }
  if (!title.empty() && !validate.IsAlphaEx(title, "/")) {
    return Fault(ids::kTitle, "ERR_PNR_TITLE_NONALPHA");
  }
  return true;
}

// Without the list the surname edit is never typed in, so it is empty and skips the checks;
// a surname that Recall brought back is checked as a listed passenger's is.
bool CPNRModificationPassenger::CheckSurname() {
  const std::string surname = surname_.GetText();
  if (!listMode_ && surname.empty()) return true;
  if (!isBlank(surname) && isBlank(givenName_.GetText())) {
    return Fault(kNoControl, "ERR_PNR_GIVENNAME_MANDATORY");
  }
  if (surname.size() < 2) {
    return Fault(ids::kSurname, "ERR_PASGR_SURNAME_MINLEN");
  }
  if (!CTorvanValidate().IsAlphanumericEx(surname, " ")) {
    return Fault(ids::kSurname, "ERR_PASGR_SURNAME_ALPHA");
  }
  return true;
}

bool CPNRModificationPassenger::ValidateFields() {
  if (!CheckPassenger() || !CheckGivenNameAndTitle() || !CheckSurname()) return false;
  const CTorvanValidate validate;
  const std::string freeText = freeText_.GetText();
  if (IsFreeTextMode() && !isBlank(freeText) &&
      !validate.IsAlphanumericEx(freeText, kFreeTextCharacters)) {
    return Fault(ids::kFreeText, "ERR_PNR_FREE_TEXT");
  }
  const std::string receivedFrom = receivedFrom_.GetText();
  if (!isBlank(receivedFrom) && !validate.IsAlphanumericEx(receivedFrom, " -/")) {
    return CreationFault(ids::kReceivedFrom, "ERR_VESPIN2_RECVD_ALPHANUM_FIELD");
  }
  return true;
}

std::string CPNRModificationPassenger::BuildCommand() const {
  const std::string nameNumber = NameNumber();
  const std::string mark(framework::kChangeMark);
  if (IsFreeTextMode()) return "-" + nameNumber + mark + "*" + freeText_.GetText();
  const std::string surname = surname_.GetText();
  const std::string givenName = givenName_.GetText();
  const std::string title = title_.GetText();
  std::string command;
  if (listMode_) {
    // A changed surname renames the whole name element: its number before the point.
    const masks::PassengerRecord* record = SelectedRecord();
    if (record != nullptr && surname == record->surname) {
      command = "-" + nameNumber + mark + givenName;
    } else {
      command = "-" + nameNumber.substr(0, nameNumber.find('.')) + mark + surname + "/" + givenName;
    }
    if (!title.empty()) command += title;
    return command;
  }
  command = "-" + nameNumber + mark;
  if (!isBlank(surname)) command += surname + "/";
  if (!givenName.empty()) command += givenName;
  if (!givenName.empty() && !title.empty()) command += title;
  return command;
}

// Send fires two commands: the name command, then the received-from text when there is one.
void CPNRModificationPassenger::OnSend() {
  if (!ValidateFields()) return;
  SaveState();
  fireEvent(typelib::Event::Send, {BuildCommand()});
  const std::string receivedFrom = receivedFrom_.GetText();
  if (!isBlank(receivedFrom)) fireEvent(typelib::Event::Send, {"6" + receivedFrom});
}
