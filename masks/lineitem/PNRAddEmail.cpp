#include "masks/lineitem/PNRAddEmail.h"

#include <algorithm>

#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "platform/com/Bstr.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_add_email;
using namespace platform;

namespace {

constexpr int kNoControl = -1;
constexpr std::size_t kTextBuffer = 1024;
constexpr int kLineCount = ids::kLineCount;

// The kinds of e-mail, as item data of the type lists' entries.
constexpr std::intptr_t kNoType = -1;
constexpr std::intptr_t kFreeTextType = 0;
constexpr std::intptr_t kCopyType = 1;
constexpr std::intptr_t kBlindCopyType = 2;

bool isBlank(std::string_view text) {
  return platform::trimWhiteSpace(text).empty();
}

void selectEntryWithData(Window& list, std::intptr_t data) {
  for (int index = 0; index < list.entryCount(); ++index) {
    if (list.entry(index)->data == data) list.setCurrentEntry(index);
  }
}

std::string numbered(std::string_view key, int line) {
  return std::string(key) + std::to_string(line + 1);
}

}  // namespace

// Saved in this order: the select states, every free text emptied, then each line: a selected
// line's values, the free text only while it is open; an unselected line's keys emptied.
CPNRAddEmail::CPNRAddEmail() {
  const auto declareColumn = [&](fields::CField& column, int id, std::string_view labKey,
                                 std::string_view tipKey) {
    fields().declare(column, "", id, kNoControl, 0, 0, labKey, tipKey, fields::kModification);
  };
  declareColumn(columns_[0], ids::kNameNumberColumn, "LAB_PNR_NAME_NO",
                "TOOLTIP_TICKETISSUANCE_PAX");
  declareColumn(columns_[1], ids::kAddressColumn, "LAB_PNR_EMAIL", "TOOLTIP_PNR_EMAIL");
  declareColumn(columns_[2], ids::kTypeColumn, "LAB_PNR_TYPE", "TOOLTIP_VESPIN5_TYPE");
  declareColumn(columns_[3], ids::kFreeTextColumn, "LAB_PNR_FREETEXT", "TOOLTIP_PNR_FREETEXT");
  for (int line = 0; line < kLineCount; ++line) {
    fields().declare(lines_[line].selected, numbered("SELECT", line), ids::kLines[line].select);
  }
  for (int line = 0; line < kLineCount; ++line) {
    fields().declareKept(
        [line](CTorvanProfile& profile) {
          profile.setKeyName(numbered("FREE_TEXT", line));
          profile.setValue("");
        },
        [](CTorvanProfile&) {}, [] {});
  }
  for (int line = 0; line < kLineCount; ++line) DeclareLine(line);
  // A cleared line shows the empty passenger entry, when there is a list.
  fields().declareKept([](CTorvanProfile&) {}, [](CTorvanProfile&) {},
                       [this] {
                         for (const ids::EmailLine& lineIds : ids::kLines) {
                           Window& passengers = Control(lineIds.passengers);
                           if (passengers.entryCount() > 0) passengers.setCurrentEntry(0);
                         }
                       });
}

void CPNRAddEmail::DeclareLine(int line) {
  const ids::EmailLine& lineIds = ids::kLines[line];
  Line& row = lines_[line];
  const auto selected = [this, line] { return IsSelected(line); };
  fields().declare(row.select, "", lineIds.select, kNoControl, 0, 0, "", "TOOLTIP_PNR_SELECT_LINE",
                   fields::kModification);
  fields()
      .declare(row.nameNumber, numbered("NAME_NO", line), kNoControl, lineIds.nameNumber, 0, 5, "",
               "TOOLTIP_TICKETISSUANCE_PAX", fields::kModification)
      .savedEmptyUnless(selected);
  fields()
      .declare(row.address, numbered("EMAIL_ADDRESS", line), kNoControl, lineIds.address, 0, 40, "",
               "TOOLTIP_PNR_EMAIL", fields::kModification)
      .savedEmptyUnless(selected);
  // A kind saved empty (a line that was not selected) reads as the first entry, as an absent
  // one does.
  fields().declareKept(
      [this, line](CTorvanProfile& profile) {
        profile.setKeyName(numbered("TYPE", line));
        profile.setValue(IsSelected(line) ? std::to_string(SelectedType(line)) : "");
      },
      [this, line](CTorvanProfile& profile) {
        const std::string key = numbered("TYPE", line);
        profile.setKeyName(key);
        std::string value;
        Window& types = Control(ids::kLines[line].type);
        if (profile.getValue(value, "", kTextBuffer) != 0 && !value.empty()) {
          mask().RestoreComboSelection(types, key, profile);
        } else {
          types.setCurrentEntry(0);
        }
      },
      [this, line] { Control(ids::kLines[line].type).setCurrentEntry(0); });
  fields()
      .declare(row.freeText, numbered("FREE_TEXT", line), kNoControl, lineIds.freeText, 0, 30, "",
               "TOOLTIP_PNR_FREETEXT", fields::kModification)
      .savedOnlyWhen([this, line] {
        return IsSelected(line) && Control(ids::kLines[line].freeText).isEnabled();
      });
}

bool CPNRAddEmail::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (openPnr_.onWindowMessage(message.code, dialog())) {
    fireEvent(typelib::Event::OnEvent, {"Run", "GetPNR"});
    return true;
  }
  return StandardMask::ProcessWindowMessage(message, result);
}

// Only the desktop's notice that the PNR is read ends the wait; any other reply while waiting
// ends it too, and the mask stays disabled.
HRESULT CPNRAddEmail::SetResponse(BSTR response) {
  if (!openPnr_.onResponse(latin1FromBstr(response), dialog())) return S_OK;
  masks::OpenPnrContacts contacts = masks::readOpenPnrContacts(dialog());
  passengerLabels_ = std::move(contacts.passengerLabels);
  existingEmails_ = std::move(contacts.emails);
  FillPassengerLists();
  PrefillLines();
  return S_OK;
}

HRESULT CPNRAddEmail::initField(BSTR fieldsText) {
  fieldsText_ = latin1FromBstr(fieldsText);
  return S_OK;
}

HRESULT CPNRAddEmail::initParam(BSTR paramsText) {
  paramsText_ = latin1FromBstr(paramsText);
  return S_OK;
}

void CPNRAddEmail::BindFields(Window&) {
  const std::array<std::pair<std::string_view, std::intptr_t>, 3> kinds{{
      {"LAB_PNR_FREETEXT", kFreeTextType},
      {"LAB_ITINEMAIL_CC", kCopyType},
      {"LAB_ITINEMAIL_BCC", kBlindCopyType},
  }};
  for (const ids::EmailLine& lineIds : ids::kLines) {
    Window& types = Control(lineIds.type);
    types.addEntry("", kNoType);
    for (const auto& [key, data] : kinds) {
      std::string text;
      mask().GetLangText(key, text);
      types.addEntry(text, data);
    }
  }
}

bool CPNRAddEmail::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code != WM_COMMAND || highWord(message.wParam) != CBN_SELCHANGE) return false;
  const int id = lowWord(message.wParam);
  for (int line = 0; line < kLineCount; ++line) {
    if (ids::kLines[line].type == id) ApplyType(line);
  }
  return false;
}

// With passengers every line offers them (the first entry empty) in place of the name number.
void CPNRAddEmail::FillPassengerLists() {
  const bool withPassengers = !passengerLabels_.empty();
  for (int line = 0; line < kLineCount; ++line) {
    Window& list = Control(ids::kLines[line].passengers);
    lines_[line].nameNumber.ShowEdit(withPassengers ? SW_HIDE : SW_SHOW);
    list.show(withPassengers ? SW_SHOW : SW_HIDE);
    if (withPassengers) masks::fillPassengerList(list, passengerLabels_);
  }
}

// The k-th existing e-mail fills line k + 1: its address, its listed passenger, and its kind
// from the remark ("BC" blind copy, "CC" copy, any other remark a free text).
void CPNRAddEmail::PrefillLines() {
  const std::size_t count = std::min<std::size_t>(existingEmails_.size(), kLineCount);
  for (std::size_t index = 0; index < count; ++index) {
    const int line = static_cast<int>(index);
    const masks::ExistingEmail& email = existingEmails_[index];
    lines_[line].address.SetText(email.address);
    // Only a listed passenger is chosen: without passengers the name-number edit stays as the
    // agent leaves it, so Send adds no name number the agent did not type.
    if (!email.nameNumber.empty() && !passengerLabels_.empty()) {
      const int entry = masks::passengerEntryOf(passengerLabels_, email.nameNumber);
      if (entry != 0) Control(ids::kLines[line].passengers).setCurrentEntry(entry);
    }
    if (!email.remark.empty()) {
      Window& types = Control(ids::kLines[line].type);
      const std::string_view kind = std::string_view(email.remark).substr(0, 2);
      if (kind == "BC") {
        selectEntryWithData(types, kBlindCopyType);
      } else if (kind == "CC") {
        selectEntryWithData(types, kCopyType);
      } else {
        selectEntryWithData(types, kFreeTextType);
        lines_[line].freeText.SetText(email.remark);
      }
    }
    ApplyType(line);
  }
}

std::intptr_t CPNRAddEmail::SelectedType(int line) const {
  const Window& types = Control(ids::kLines[line].type);
  const ListEntry* entry = types.entry(types.currentEntry());
  return entry != nullptr ? entry->data : kNoType;
}

void CPNRAddEmail::ApplyType(int line) {
  lines_[line].freeText.Enable(SelectedType(line) == kFreeTextType ? 1 : 0);
}

bool CPNRAddEmail::IsSelected(int line) const {
  return lines_[line].selected.IsChecked();
}

bool CPNRAddEmail::ValidateLine(int line) {
  Line& row = lines_[line];
  const std::string nameNumber = row.nameNumber.GetText();
  if (!isBlank(nameNumber) && nameNumber.find_first_not_of("0123456789.") != std::string::npos) {
    row.nameNumber.ReportError("ERR_PNR_PAXNAMENO_NONNUMERIC");
    return false;
  }
  const std::string address = row.address.GetText();
  const auto atSigns = std::count(address.begin(), address.end(), '@');
  std::string_view fault;
  if (isBlank(address)) {
    fault = "ERR_PNR_EMAIL_MANDATORY";
  } else if (!CTorvanValidate().IsAlphanumericEx(address, "@-_.")) {
    fault = "ERR_VESPIN1_EMAIL_ALPHANUM_FIELD";
  } else if (address.size() < 5) {
    fault = "ERR_PNR_EMAIL_SHORT";
  } else if (atSigns == 0) {
    fault = "ERR_PNR_EMAIL_NOAT";
  } else if (atSigns > 1) {
    fault = "ERR_PNR_EMAIL_MANYAT";
  }
  if (!fault.empty()) {
    row.address.ReportError(fault);
    return false;
  }
  if (SelectedType(line) != kFreeTextType) return true;
  const std::string freeText = row.freeText.GetText();
  if (isBlank(freeText)) {
    row.freeText.ReportError("ERR_PNR_EMAILFREETEXT_NONE");
    return false;
  }
  if (!CTorvanValidate().IsAlphanumericEx(freeText, " /*")) {
    row.freeText.ReportError("ERR_VESPIN1_REMARKS_ALPHANUM_FIELD");
    return false;
  }
  return true;
}

bool CPNRAddEmail::ValidateFields() {
  bool any = false;
  for (int line = 0; line < kLineCount; ++line) {
    if (!IsSelected(line)) continue;
    if (!ValidateLine(line)) return false;
    any = true;
  }
  if (any) return true;
  lines_[0].address.ReportError("ERR_PNR_EMAIL_INPUT");
  return false;
}

std::string CPNRAddEmail::LineItem(int line) const {
  if (!IsSelected(line)) return "";
  const Line& row = lines_[line];
  const std::string mark(framework::kFreeTextMark);
  std::string item = "PE" + mark + framework::hostEmailAddress(row.address.GetText()) + mark;
  switch (SelectedType(line)) {
    case kFreeTextType:
      item += row.freeText.GetText();
      break;
    case kCopyType:
      item += "CC/";
      break;
    case kBlindCopyType:
      item += "BC/";
      break;
    default:
      break;
  }
  if (!passengerLabels_.empty()) {
    const std::string passenger =
        framework::itemText(*dialog(), ids::kLines[line].passengers, kTextBuffer);
    if (!isBlank(passenger)) item += "-" + passenger.substr(0, passenger.find(" - "));
  } else if (!isBlank(row.nameNumber.GetText())) {
    item += "-" + row.nameNumber.GetText();
  }
  return item;
}

std::string CPNRAddEmail::BuildCommand() const {
  std::string command;
  for (int line = 0; line < kLineCount; ++line) {
    const std::string item = LineItem(line);
    if (item.empty()) continue;
    if (!command.empty()) command += "|";
    command += item;
  }
  return command;
}

void CPNRAddEmail::ApplyRules() {
  for (int line = 0; line < kLineCount; ++line) ApplyType(line);
}
