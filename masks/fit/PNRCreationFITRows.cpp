// The passenger rows of the individual creation mask: their handlers, the age and others
// rules of the PTC, their checks and their passenger slots.

#include "masks/fit/PNRCreationFIT.h"

namespace ids = resources::pnr_creation_fit;
using namespace platform;
using fit::LookupKind;
using fit::Ptc;

namespace {

// The row whose control has the id, with the column it is in.
enum class RowColumn { Surname, Ptc, SurnameLookup, GivenNameLookup };
std::optional<std::pair<std::size_t, RowColumn>> rowControl(int id) {
  for (std::size_t row = 0; row < ids::kRows.size(); ++row) {
    const ids::PassengerRowIds& row_ids = ids::kRows[row];
    if (id == row_ids.surname) return std::pair{row, RowColumn::Surname};
    if (id == row_ids.ptc) return std::pair{row, RowColumn::Ptc};
    if (id == row_ids.surnameLookup) return std::pair{row, RowColumn::SurnameLookup};
    if (id == row_ids.givenNameLookup) return std::pair{row, RowColumn::GivenNameLookup};
  }
  return std::nullopt;
}

// The control of a row fault, by fit::RowControl.
constexpr std::array<int ids::PassengerRowIds::*, 4> kFaultControls{
    &ids::PassengerRowIds::surname, &ids::PassengerRowIds::givenName, &ids::PassengerRowIds::others,
    &ids::PassengerRowIds::age};

}  // namespace

bool CPNRCreationFIT::OnRowCommand(int id, int code) {
  const auto found = rowControl(id);
  if (!found) return false;
  const auto [row, column] = *found;
  switch (column) {
    case RowColumn::Surname:
      if (code == EN_SETFOCUS && row != 0) CopySurnameFromRowAbove(row);
      return false;  // the edit's own focus handling goes on
    case RowColumn::Ptc:
      if (code != CBN_SELCHANGE) return false;
      ApplyRowRules(row);
      return true;
    case RowColumn::SurnameLookup:
    case RowColumn::GivenNameLookup:
      if (code != BN_CLICKED) return false;
      StartLookup(column == RowColumn::SurnameLookup ? LookupKind::Surname : LookupKind::GivenName,
                  static_cast<int>(row));
      return true;
  }
  return false;
}

void CPNRCreationFIT::ApplyRowRules(std::size_t row) {
  Row& each = rows_[row];
  const fit::RowEnabling enabling = fit::rowEnabling(RowPtc(row));
  if (!enabling.age) each.age.Clear();
  each.age.Enable(enabling.age);
  if (!enabling.others) each.others.Clear();
  each.others.Enable(enabling.others);
}

void CPNRCreationFIT::CopySurnameFromRowAbove(std::size_t row) {
  if (!rows_[row].name.GetSurname().empty()) return;
  rows_[row].name.SetSurname(rows_[row - 1].name.GetSurname());
  rows_[row].name.SelectSurname();
}

void CPNRCreationFIT::SetRowPtc(std::size_t row, const fit::PtcChoice& choice) {
  Row& target = rows_[row];
  target.ptc.window()->setCurrentEntry(static_cast<int>(choice.ptc));
  ApplyRowRules(row);
  if (target.age.IsEnabled()) target.age.SetText(choice.age);
  if (target.others.IsEnabled()) target.others.SetText(choice.others);
}

Ptc CPNRCreationFIT::RowPtc(std::size_t row) const {
  const std::optional<std::intptr_t> selected = rows_[row].ptc.Selected();
  if (!selected || *selected < 0 || *selected > 3) return Ptc::Adult;
  return static_cast<Ptc>(*selected);
}

fit::PassengerRow CPNRCreationFIT::RowTexts(std::size_t row) const {
  const Row& each = rows_[row];
  return {each.name.GetSurname(),      each.name.GetGivenName(),
          Text(ids::kRows[row].title), RowPtc(row),
          each.age.GetText(),          each.others.GetText()};
}

bool CPNRCreationFIT::ReportRowFault(std::size_t row, const fit::RowFault& fault) {
  return Fault(ids::kRows[row].*kFaultControls[static_cast<std::size_t>(fault.control)],
               fault.errorKey);
}

bool CPNRCreationFIT::ValidateRows() {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const fit::PassengerRow texts = RowTexts(row);
    if (const auto fault = fit::checkRowNames(texts)) return ReportRowFault(row, *fault);
    if (rows_[row].name.Validate() == 0 || rows_[row].title.Validate() == 0) return false;
    if (const auto fault = fit::checkRowPtc(texts)) return ReportRowFault(row, *fault);
  }
  return true;
}

// The nine rows, then the passengers added through the Add Passenger dialog.
void CPNRCreationFIT::GatherSlots(fit::FitCommandInput& input) const {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const Row& each = rows_[row];
    const fit::MainRecord& profile = each.profile;
    fit::PassengerSlot slot;
    slot.surname = each.name.GetSurname();
    slot.givenName = each.name.GetGivenName();
    slot.title = Text(ids::kRows[row].title);
    slot.ptc = RowPtc(row);
    slot.age = each.age.GetText();
    slot.others = each.others.GetText();
    slot.profileMarker = each.profileMarker;
    slot.customerNumber = profile[fit::ProfileField::CustomerNumber];
    slot.dependantNumber = each.dependantNumber;
    slot.contactPhone = profile[fit::ProfileField::ContactPhone];
    slot.contactFax = profile[fit::ProfileField::ContactFax];
    slot.contactSurname = profile[fit::ProfileField::ContactSurname];
    slot.contactGivenName = profile[fit::ProfileField::ContactGivenName];
    slot.companyName = profile[fit::ProfileField::CompanyName];
    input.slots.push_back(std::move(slot));
  }
  if (addedPassengers_) {
    const std::vector<fit::PassengerSlot> added = fit::slotsOf(addedPassengers_->entries);
    input.slots.insert(input.slots.end(), added.begin(), added.end());
  }
}
