#include "masks/passenger/PNRModificationDivide.h"

#include <cstdlib>

#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CPnr.h"
#include "framework/services/TorvanArch.h"
#include "platform/com/Bstr.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_modification_divide;
using namespace platform;

namespace {

constexpr std::size_t kTextBuffer = 1024;

std::optional<std::string> languageText(std::string_view key) {
  std::string text;
  if (!LANG_getString(key, text, kTextBuffer)) return std::nullopt;
  return text;
}

}  // namespace

bool CPNRModificationDivide::ProcessWindowMessage(const Message& message, LRESULT& result) {
  switch (message.code) {
    case WM_INITDIALOG:
      OnInitDialog();
      result = 1;
      return true;
    case WM_SHOWWINDOW:
      openPnr_.onShow(dialog());
      return false;
    case masks::kGetPnrMessage:
      fireEvent(typelib::Event::OnEvent, {"Run", "GetPNR"});
      return true;
    case WM_COMMAND: {
      const int id = lowWord(message.wParam);
      if (id == ids::kDivideButton) {
        OnDivide();
      } else if (id == ids::kReduceButton) {
        OnReduce();
      } else if (id == ids::kDisplayButton) {
        fireEvent(typelib::Event::Send, {"*P3"});
      } else if (id == ids::kCancelButton) {
        fireEvent(typelib::Event::Cancel);
      } else if (id == ids::kHelpButton) {
        mask().ShowHelp("CPNRModificationDivide");
      } else if (id >= ids::kRows.front().check && id <= ids::kRows.back().check &&
                 highWord(message.wParam) == BN_CLICKED) {
        UpdateButtons();
        return false;
      } else {
        break;
      }
      return true;
    }
    default:
      break;
  }
  return mask().ProcessWindowMessage(message, result);
}

HRESULT CPNRModificationDivide::SetResponse(BSTR response) {
  if (!openPnr_.onResponse(latin1FromBstr(response), dialog())) return S_OK;
  ReadPassengers();
  FillRows();
  return S_OK;
}

void CPNRModificationDivide::OnInitDialog() {
  Window& dialog = *this->dialog();
  mask().LoadLanguage();
  const auto attachColumn = [&](fields::CFieldLabel& label, int id, std::string_view key) {
    Window* control = dialog.child(id);
    if (control == nullptr) return;
    label.Attach(*control, std::nullopt);
    label.ApplyFont();
    label.SetTextColour(fields::kOptionalColour);
    label.SetBackgroundColour(framework::kMaskBackground);
    if (auto text = languageText(key)) control->setText(*text);
  };
  attachColumn(nameNumberColumn_, ids::kNameNumberColumnLabel, "LAB_PNR_NAME_NO");
  attachColumn(nameColumn_, ids::kNameColumnLabel, "IDS_LAB_PASSNAME");
  const std::optional<std::string> rowTip = languageText("TOOLTIP_PNR_DIV");
  for (int row = 0; row < ids::kRowCount; ++row) {
    const ids::PassengerRow& rowIds = ids::kRows[row];
    Row& controls = rows_[row];
    controls.check.Attach(*dialog.child(rowIds.check), rowTip);
    controls.check.SetTextColour(fields::kOptionalColour);
    controls.check.SetBackgroundColour(framework::kMaskBackground);
    controls.nameNumber.Attach(dialog, *dialog.child(rowIds.nameNumber), std::nullopt);
    dialog.child(rowIds.nameNumber)->setTextLimit(5);
    controls.name.Attach(dialog, *dialog.child(rowIds.name), std::nullopt);
    dialog.child(rowIds.name)->setTextLimit(63);
  }
  UpdateButtons();
  mask().SetCaption(dialog, ids::kDivideButton, "CAPTION_BUTTON_DIVIDE");
  mask().SetCaption(dialog, ids::kReduceButton, "MENU_ID_MODIFYPNR_REDUCE");
  mask().SetCaption(dialog, ids::kDisplayButton, "CAPTION_OSI_SSR");
  mask().SetCaption(dialog, ids::kCancelButton, "CAPTION_BUTTON_CANCEL");
  mask().SetCaption(dialog, ids::kHelpButton, "CAPTION_BUTTON_HELP");
  FillRows();
  mask().PrepareDialog(dialog);
}

// Name 1 of a group PNR is the group itself: it is neither listed nor counted.
void CPNRModificationDivide::ReadPassengers() {
  CPnr pnr;
  pnr.setParent(dialog());
  CPNRMaster master;
  pnr.retrievePAX(master);
  if (master.header().getGITName().empty()) groupFlag_ = 0;
  passengerCount_ = 0;
  infantCount_ = 0;
  for (const CPax& passenger : master.passengers()) {
    const std::string nameNumber = passenger.getNameNo();
    if (groupFlag_ == 1 && std::atoi(nameNumber.c_str()) == 1) continue;
    Passenger record{nameNumber, passenger.getsurname() + "/" + passenger.getgivenName(),
                     passenger.getInfant()};
    if (record.infant == "Y") ++infantCount_;
    ++passengerCount_;
    passengers_.push_back(std::move(record));
  }
}

// Rows show the first eighteen passengers; a row's check box is enabled when it has one.
void CPNRModificationDivide::FillRows() {
  Window& dialog = *this->dialog();
  for (int row = 0; row < ids::kRowCount; ++row) {
    const ids::PassengerRow& rowIds = ids::kRows[row];
    if (row < static_cast<int>(passengers_.size())) {
      const Passenger& passenger = passengers_[row];
      dialog.child(rowIds.nameNumber)->setText(passenger.nameNumber);
      dialog.child(rowIds.name)->setText(passenger.name);
      rows_[row].infant = passenger.infant;
    }
    dialog.child(rowIds.check)->enable(!NameNumber(row).empty());
  }
}

void CPNRModificationDivide::UpdateButtons() {
  int selectedInfants = 0;
  const bool any = CountSelected(selectedInfants) >= 1;
  dialog()->child(ids::kDivideButton)->enable(any);
  dialog()->child(ids::kReduceButton)->enable(any);
}

bool CPNRModificationDivide::IsSelected(int row) const {
  return dialog()->child(ids::kRows[row].check)->checkState() == 1;
}

// The row's name number without surrounding blanks; empty for a row without a passenger.
std::string CPNRModificationDivide::NameNumber(int row) const {
  return std::string(platform::trimWhiteSpace(
      framework::itemText(*dialog(), ids::kRows[row].nameNumber, kTextBuffer)));
}

int CPNRModificationDivide::CountSelected(int& selectedInfants) const {
  int selected = 0;
  selectedInfants = 0;
  for (int row = 0; row < ids::kRowCount; ++row) {
    if (!IsSelected(row)) continue;
    ++selected;
    if (rows_[row].infant == "Y") ++selectedInfants;
  }
  return selected;
}

void CPNRModificationDivide::OnDivide() {
  int selectedInfants = 0;
  const int selected = CountSelected(selectedInfants);
  if (selected < 1) return;
  std::string names;
  for (int row = 0; row < ids::kRowCount; ++row) {
    if (!IsSelected(row) || NameNumber(row).empty()) continue;
    if (!names.empty()) names += "*";
    names += framework::itemText(*dialog(), ids::kRows[row].nameNumber, kTextBuffer);
  }
  const std::string command =
      groupFlag_ == 0 ? "D" + names
                      : "DC/" + std::to_string(selected - selectedInfants) + "*" + names;
  fireEvent(typelib::Event::Send, {command});
}

void CPNRModificationDivide::OnReduce() {
  int selectedInfants = 0;
  const int selected = CountSelected(selectedInfants);
  if (selected < 1) return;
  fireEvent(typelib::Event::Send, {"4GXALL"});
  fireEvent(typelib::Event::Send, {"ER"});
  const int partySize = (passengerCount_ - infantCount_) - (selected - selectedInfants);
  fireEvent(typelib::Event::Send, {partySize > 0 ? "," + std::to_string(partySize) : ""});
  // Removals from the last row up, each with the change mark, joined by the item separator.
  std::string removals;
  int item = 0;
  for (int row = ids::kRowCount - 1; row >= 0; --row) {
    if (!IsSelected(row) || NameNumber(row).empty()) continue;
    ++item;
    removals += "-" + framework::itemText(*dialog(), ids::kRows[row].nameNumber, kTextBuffer) +
                std::string(framework::kChangeMark);
    if (item != selected) removals += std::string(framework::kEntrySeparator);
  }
  fireEvent(typelib::Event::Send, {removals});
}
