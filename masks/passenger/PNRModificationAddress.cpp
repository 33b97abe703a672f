#include "masks/passenger/PNRModificationAddress.h"

#include <array>

#include "fields/FieldParts.h"
#include "framework/HostCommand.h"

namespace ids = resources::pnr_modification_address;
using namespace platform;

namespace {

// The type list's entries are fixed texts; the agency lines come from the language table.
constexpr std::array<std::string_view, CPNRModificationAddress::kKindCount> kKindNames{
    "Agency", "Delivery", "Billing"};
constexpr std::array<std::string_view, 6> kAgencyLineKeys{"LAB_PNR_AGENCYNAME", "DATA_ADDR_LINE1",
                                                          "DATA_ADDR_LINE2",    "DATA_ADDR_LINE3",
                                                          "DATA_ADDR_LINE4",    "DATA_ADDR_LINE5"};

std::intptr_t selectedData(const Window& list) {
  const ListEntry* entry = list.entry(list.currentEntry());
  return entry != nullptr ? entry->data : -1;
}

}  // namespace

// After the marker: the two lists' item data, then the three fields; the agency line decides
// whether the agency name or the address shows, and the kind is applied last (ApplyRules).
CPNRModificationAddress::CPNRModificationAddress() {
  fields().declare(type_, "", ids::kTypeLabel, ids::kType, 1, 0, "LAB_PNR_TYPE", "TIP_PNR_TYPE",
                   fields::kModification);
  fields().declare(typeList_, "TYPE", ids::kType);
  fields().declare(agencyLineList_, "LINENOCOMBO", ids::kAgencyLine);
  fields().declareRule([this] { agencyNameShown_ = SelectedAgencyLine() == 0 ? 1 : 0; });
  fields().declare(lineNo_, "LINENOEDIT", ids::kLineLabel, ids::kLineNumber, 0,
                   fields::kModification);
  fields().declare(agencyName_, "AGENCYNAME", ids::kAgencyNameLabel, ids::kAgencyName, 1,
                   fields::kModification);
  fields().declare(address_, "ADDRESS", ids::kAddressLabel, ids::kAddress, 0,
                   fields::kModification);
}

void CPNRModificationAddress::BindFields(Window& dialog) {
  Window& kinds = *dialog.child(ids::kType);
  for (std::size_t kind = 0; kind < kKindNames.size(); ++kind) {
    kinds.addEntry(std::string(kKindNames[kind]), static_cast<std::intptr_t>(kind));
  }
  Window& lines = *dialog.child(ids::kAgencyLine);
  for (std::size_t line = 0; line < kAgencyLineKeys.size(); ++line) {
    std::string text;
    mask().GetLangText(kAgencyLineKeys[line], text);
    lines.addEntry(text, static_cast<std::intptr_t>(line));
  }
  lines.setCurrentEntry(0);
}

void CPNRModificationAddress::AfterInitDialog() {
  ApplyAgencyLine();
  ApplyKind();
}

bool CPNRModificationAddress::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code != WM_COMMAND || highWord(message.wParam) != CBN_SELCHANGE) return false;
  const int id = lowWord(message.wParam);
  if (id == ids::kType) ApplyKind();
  if (id == ids::kAgencyLine) ApplyAgencyLine();
  return false;
}

CPNRModificationAddress::Kind CPNRModificationAddress::SelectedKind() const {
  const std::intptr_t data = selectedData(*dialog()->child(ids::kType));
  if (data < 0 || data >= kKindCount) return kNoKind;
  return static_cast<Kind>(data);
}

int CPNRModificationAddress::SelectedAgencyLine() const {
  return dialog()->child(ids::kAgencyLine)->currentEntry();
}

void CPNRModificationAddress::ShowNameOrAddress() {
  agencyName_.Show(agencyNameShown_ == 1 ? SW_SHOW : SW_HIDE);
  address_.Show(agencyNameShown_ == 1 ? SW_HIDE : SW_SHOW);
}

// Agency: the agency line list in the line number's place (the line number stays open but
// hidden), and the agency name or the address. Delivery and billing: the line number and the
// address, which they need. No kind: only the line number shows, closed.
void CPNRModificationAddress::ApplyKind() {
  Window& agencyLine = *dialog()->child(ids::kAgencyLine);
  agencyLine.show(SW_HIDE);
  lineNo_.Show(SW_HIDE);
  lineNo_.Enable(0);
  agencyName_.Show(SW_HIDE);
  address_.Show(SW_HIDE);
  const Kind kind = SelectedKind();
  if (kind == Agency) {
    lineNo_.Enable(1);
    agencyLine.show(SW_SHOW);
    ShowNameOrAddress();
  } else if (kind == Delivery || kind == Billing) {
    lineNo_.Enable(1);
    lineNo_.Show(SW_SHOW);
    address_.Show(SW_SHOW);
  } else {
    lineNo_.Show(SW_SHOW);
  }
  address_.SetMandatory(kind == Delivery || kind == Billing ? 1 : 0);
}

void CPNRModificationAddress::ApplyAgencyLine() {
  agencyNameShown_ = SelectedAgencyLine() == 0 ? 1 : 0;
  ShowNameOrAddress();
}

// Of the agency lines only the agency name and the first address line are checked.
bool CPNRModificationAddress::ValidateFields() {
  switch (SelectedKind()) {
    case Agency:
      if (SelectedAgencyLine() == 0) return agencyName_.Validate() != 0;
      if (SelectedAgencyLine() == 1) return address_.Validate() != 0;
      return true;
    case Delivery:
    case Billing:
      return lineNo_.Validate() != 0 && address_.Validate() != 0;
    default:
      type_.ReportError("ERR_PNR_TYPE_NONE");
      return false;
  }
}

std::string CPNRModificationAddress::BuildCommand() const {
  const std::string mark(framework::kChangeMark);
  const std::string line = lineNo_.GetText(fields::kShortBuffer);
  const std::string address = address_.GetText(fields::kShortBuffer);
  switch (SelectedKind()) {
    case Agency:
      return "W-" + std::to_string(SelectedAgencyLine() + 1) + mark +
             (agencyNameShown_ == 1 ? agencyName_.GetText(fields::kShortBuffer) : address);
    case Delivery:
      return "5" + line + mark + "DL-" + address;
    case Billing:
      return "5" + line + mark + "/" + address;
    default:
      return {};
  }
}
