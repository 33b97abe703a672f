#include "masks/retrieval/PNRRetrieval.h"

#include "masks/retrieval/RetrievalRows.h"

#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_retrieval;
using fields::kCreation;
using platform::Window;
using retrieval::F;
using retrieval::kAirlineLocatorCarrierLength;
using retrieval::kCarrierLength;
using retrieval::Kept;
using retrieval::kModeEntries;
using retrieval::kModes;
using retrieval::kRows;
using retrieval::kSecondaryCodeEntries;
using retrieval::ModeFields;
using retrieval::Row;

namespace {

bool isAlpha(std::string_view text) {
  return CTorvanValidate().IsAlpha(text) != 0;
}
bool isAlphanumeric(std::string_view text) {
  return CTorvanValidate().IsAlphanumeric(text) != 0;
}
bool isTicketNumber(std::string_view text) {
  return CTorvanValidate().IsNumeric(text) != 0;
}
bool isGroupName(std::string_view text) {
  return CTorvanValidate().IsAlphaEx(text, "/ ") != 0;
}
bool isDate(std::string_view text) {
  return CTorvanValidate().IsDate(text) != 0;
}
bool isBookingClass(std::string_view text) {
  return CTorvanValidate().IsAlphanumericEx(text, "/") != 0;
}

void fillList(Window* list, std::span<const std::string_view> keys,
              const framework::TorvanMaskBase& mask) {
  if (list == nullptr) return;
  for (std::size_t index = 0; index < keys.size(); ++index) {
    std::string text;
    mask.GetLangText(keys[index], text);
    list->addEntry(text, static_cast<std::intptr_t>(index));
  }
}

}  // namespace

// Every row's label and control, and its value under its key, written empty while the field is
// disabled. The mode is applied right after the mode list is loaded or cleared: applying it
// empties the carrier code, which is loaded after it.
CPNRRetrieval::CPNRRetrieval() {
  for (const Row& row : kRows) {
    const auto enabled = [this, field = row.field] { return states_[field] != kDisabled; };
    switch (row.kept) {
      case Kept::Text:
        fields()
            .declare(fields_[row.field], row.key, row.labelId, row.controlId, 0, row.maxLength,
                     row.labKey, row.tipKey, kCreation)
            .savedEmptyUnless(enabled);
        break;
      case Kept::List:
        fields().declare(fields_[row.field], "", row.labelId, row.controlId,
                         row.field == F::kMode ? 1 : 0, row.maxLength, row.labKey, row.tipKey,
                         kCreation);
        fields().declare(lists_[row.field], row.key, row.controlId).savedEmptyUnless(enabled);
        break;
      case Kept::Radio:
        // The button's field is bound with the dialog (BindFields), since clearing a field
        // empties its control's text: here the caption. FIT is the type of a clear mask.
        fields()
            .declare(buttons_[row.field], row.key, row.controlId, row.field == F::kManifest)
            .savedEmptyUnless(enabled);
        break;
    }
    if (row.field == F::kMode) fields().declareRule([this] { ApplyMode(); });
  }
}

// The lists, the texts of the manifest types, and the five links: the cities look up city
// codes, the carriers carrier codes, and the date opens the calendar.
void CPNRRetrieval::BindFields(Window& dialog) {
  for (const Row& row : kRows) {
    if (row.kept != Kept::Radio) continue;
    fields_[row.field].Create(dialog, row.labelId, row.controlId, 0, row.maxLength, row.labKey,
                              row.tipKey, kCreation);
  }
  fillList(dialog.child(ids::kMode), kModeEntries, mask());
  fillList(dialog.child(ids::kSecondaryCode), kSecondaryCodeEntries, mask());
  mask().SetCaption(dialog, ids::kManifestFit, "DATA_VESPIN5_TYPE_FIT");
  mask().SetCaption(dialog, ids::kManifestGit, "DATA_VESPIN5_TYPE_GIT");

  const framework::CodeLookupTable& lookups =
      framework::TorvanMaskT<CPNRRetrieval>::codeLookupTable();
  const std::string_view cities = lookups.text(framework::CodeList::City);
  const std::string_view carriers = lookups.text(framework::CodeList::Carrier);
  fields_[kFromCity].SetLabelMode(fields::kLookupLink, cities);
  fields_[kToCity].SetLabelMode(fields::kLookupLink, cities);
  fields_[kCarrier].SetLabelMode(fields::kLookupLink, carriers);
  fields_[kGroupCarrier].SetLabelMode(fields::kLookupLink, carriers);
  fields_[kDate].SetLabelMode(fields::kCalendarLink);
}

bool CPNRRetrieval::ProcessFieldMessages(const platform::Message& message,
                                         platform::LRESULT& result) {
  if (message.code != platform::WM_COMMAND) return false;
  if (platform::lowWord(message.wParam) != ids::kMode ||
      platform::highWord(message.wParam) != platform::CBN_SELCHANGE) {
    return false;
  }
  ApplyMode();
  result = 0;
  return true;
}

void CPNRRetrieval::SetState(Field field, State state) {
  states_[field] = state;
  fields_[field].Enable(state != kDisabled ? 1 : 0);
  fields_[field].SetMandatory(state == kMandatory ? 1 : 0);
  if (field == kManifest) SetState(kManifestGit, state);
}

CPNRRetrieval::Mode CPNRRetrieval::SelectedMode() const {
  const Window* list = dialog()->child(ids::kMode);
  const platform::ListEntry* entry = list != nullptr ? list->entry(list->currentEntry()) : nullptr;
  if (entry == nullptr || entry->data < 0 || entry->data >= kModeCount) return kNoMode;
  return static_cast<Mode>(entry->data);
}

void CPNRRetrieval::ApplyMode() {
  for (int field = kTicket; field <= kClass; ++field) {
    SetState(static_cast<Field>(field), kDisabled);
  }
  Window* carrier = fields_[kCarrier].EditWindow();
  if (carrier != nullptr) carrier->setTextLimit(kCarrierLength);
  const Mode mode = SelectedMode();
  if (mode != kNoMode) {
    const ModeFields& fieldsOfMode = kModes[mode];
    for (Field field : fieldsOfMode.mandatory) {
      if (field != kMode) SetState(field, kMandatory);
    }
    for (Field field : fieldsOfMode.optional) {
      if (field != kMode) SetState(field, kOptional);
    }
    if (mode == kByAirlineLocator && carrier != nullptr) {
      carrier->setTextLimit(kAirlineLocatorCarrierLength);
    }
  }
  fields_[kCarrier].Clear();
}

// Validation

bool CPNRRetrieval::CheckField(Field field, int controlId, std::string_view mandatoryKey,
                               TextCheck check, std::string_view checkKey, int minLength,
                               std::string_view minKey) {
  if (states_[field] == kDisabled) return true;
  if (IsBlank(controlId)) {
    return states_[field] == kMandatory ? Fault(controlId, mandatoryKey) : true;
  }
  const std::string text = Text(controlId);
  if (!check(text)) return Fault(controlId, checkKey);
  if (static_cast<int>(text.size()) < minLength) return Fault(controlId, minKey);
  return true;
}

// The from city is also needed when a to city is given; in a flight manifest always.
bool CPNRRetrieval::CheckFromCity() {
  if (states_[kFromCity] == kDisabled) return true;
  if (IsBlank(ids::kFromCity)) {
    if (SelectedMode() == kFlightManifest)
      return Fault(ids::kFromCity, "ERR_RETPNR_FROMCITY_MANDATORY_FIELD");
    if (states_[kFromCity] == kMandatory || !IsBlank(ids::kToCity)) {
      return Fault(ids::kFromCity, "ERR_RETPNR_FROM_MANDATORY_FIELD");
    }
    return true;
  }
  return CheckField(kFromCity, ids::kFromCity, {}, isAlpha, "ERR_RETPNR_FROM_ALPHA_FIELD", 3,
                    "ERR_RETPNR_FROM_MINVAL_FIELD");
}

// The to city goes with a from city, except in a passenger's flight and a flight manifest;
// it must differ from the from city.
bool CPNRRetrieval::CheckToCity() {
  if (states_[kToCity] == kDisabled) return true;
  const Mode mode = SelectedMode();
  if (IsBlank(ids::kToCity)) {
    if (!IsBlank(ids::kFromCity) && mode != kByPassengerFlight && mode != kFlightManifest) {
      return Fault(ids::kToCity, "ERR_RETPNR_TO_MANDATORY_FIELD");
    }
    return true;
  }
  if (!CheckField(kToCity, ids::kToCity, {}, isAlpha, "ERR_RETPNR_TO_ALPHA_FIELD", 3,
                  "ERR_RETPNR_TO_MINVAL_FIELD")) {
    return false;
  }
  if (Text(ids::kToCity) == Text(ids::kFromCity)) {
    return Fault(ids::kToCity, "ERR_RETPNR_FROMTO_SAME");
  }
  return true;
}

bool CPNRRetrieval::ValidateFields() {
  const Mode mode = SelectedMode();
  const int locatorLength = mode == kByLocator ? 6 : mode == kByAirlineLocator ? 5 : 0;
  const std::string_view locatorShort =
      mode == kByLocator ? "ERR_RETPNR_LOCATOR_MINVAL_FIELD1" : "ERR_PNR_LOCATOR_SHORT2";
  const std::string_view carrierShort = mode == kByAirlineLocator ? "ERR_RETPNR_CARRIERCODE_MINVAL2"
                                                                  : "ERR_RETPNR_CARRIERCODE_MINVAL";
  return CheckField(kTicket, ids::kTicket, "ERR_RETPNR_TKTNUM_MANDATORY_FIELD", isTicketNumber,
                    "ERR_RETPNR_TKTNUM_NUM_FIELD", 10, "ERR_RETPNR_TKTNUM_MINVAL_FIELD") &&
         CheckField(kLocator, ids::kLocator, "ERR_RETPNR_LOCATOR_MANDATORY_FIELD", isAlphanumeric,
                    "ERR_RETPNR_LOCATOR_ALPHANUM_FIELD", locatorLength, locatorShort) &&
         CheckField(kSurname, ids::kSurname, "ERR_RETPNR_SURNAME_MANDATORY_FIELD", isAlpha,
                    "ERR_RETPNR_SURNAME_ALPHA_FIELD", 2, "ERR_PNR_SURNAME_SHORT") &&
         CheckField(kGroupName, ids::kGroupName, "ERR_RETPNR_GRPNAME_MANDATORY_FIELD", isGroupName,
                    "ERR_PNR_GRPNAME_INVALID") &&
         CheckField(kStatus, ids::kStatus, {}, isAlpha, "ERR_RETPNR_STATUS_ALPHA_FIELD", 2,
                    "ERR_PNR_STATUS_MIN") &&
         CheckFromCity() &&
         CheckField(kPcc, ids::kPcc, {}, isAlphanumeric, "ERR_RETPNR_PCC_ALPHANUM_FIELD", 4,
                    "ERR_RETPNR_PCC_MINVAL_FIELD") &&
         CheckField(kFlight, ids::kFlight, "ERR_RETPNR_FLIGHT_MANDATORY_FIELD", isAlphanumeric,
                    "ERR_FLIGHTNO_NON_ALPHANUMERIC") &&
         CheckField(kGivenName, ids::kGivenName, {}, isAlpha, "ERR_RETPNR_GIVNAME_ALPHA_FIELD") &&
         CheckField(kCarrier, ids::kCarrier, "ERR_MANDATORY_FIELD_CARRIER", isAlphanumeric,
                    "ERR_RETPNR_CARRIERCODE_INVALID", 2, carrierShort) &&
         CheckField(kGroupCarrier, ids::kGroupCarrier, "ERR_MANDATORY_FIELD_CARRIER",
                    isAlphanumeric, "ERR_RETPNR_CARRIERCODE_INVALID", 2,
                    "ERR_RETPNR_CARRIERCODE_MINVAL") &&
         CheckField(kDate, ids::kDate, "ERR_RETPNR_DEPDATE_MANDATORY_FIELD", isDate,
                    "ERR_RETPNR_DEPDATE_INVALID") &&
         CheckToCity() &&
         CheckField(kClass, ids::kClass, "ERR_RETPNR_CLASS_MANDATORY", isBookingClass,
                    "ERR_PETPNR_BOOKINGCLASS_INVALID");
}

// The command

std::string CPNRRetrieval::BuildCommand() const {
  const auto text = [this](int controlId) { return Text(controlId); };
  const auto optional = [&](std::string_view prefix, int controlId) {
    const std::string value = text(controlId);
    return value.empty() ? std::string() : std::string(prefix) + value;
  };
  const std::string flight = text(ids::kCarrier) + text(ids::kFlight) + "/" + text(ids::kDate) +
                             text(ids::kFromCity) + text(ids::kToCity);
  const std::string passenger = "-" + text(ids::kSurname) + optional("/", ids::kGivenName);
  switch (SelectedMode()) {
    case kByLocator:
      return "*" + text(ids::kLocator);
    case kByAirlineLocator:
      return std::string(framework::kChangeMark) + text(ids::kCarrier) + "/*" + text(ids::kLocator);
    case kByPassenger:
      return "*" + optional("-", ids::kPcc) + passenger;
    case kByPassengerFlight:
      return "*" + flight + passenger;
    case kByGroup:
      return "*" + optional("-", ids::kPcc) + "-C/" + text(ids::kCarrier) + "/" +
             text(ids::kGroupName);
    case kByGroupFlight:
      return "*" + flight + "-C/" + text(ids::kGroupCarrier) + "/" + text(ids::kGroupName);
    case kByTicket:
      return "*TKT" + text(ids::kTicket);
    case kFlightManifest: {
      const Window* secondary = dialog()->child(ids::kSecondaryCode);
      const platform::ListEntry* code =
          secondary != nullptr ? secondary->entry(secondary->currentEntry()) : nullptr;
      return std::string("L") + (buttons_[kManifestGit].IsChecked() ? "G" : "") +
             (code != nullptr ? code->text : std::string()) + text(ids::kCarrier) +
             text(ids::kFlight) + text(ids::kClass) + text(ids::kDate) + text(ids::kFromCity) +
             text(ids::kToCity) + optional("/", ids::kStatus) + optional("/", ids::kPcc);
    }
    case kNoMode:
    case kModeCount:
      break;
  }
  return {};
}

// FIT when neither manifest type came back selected.
void CPNRRetrieval::ApplyRules() {
  if (!buttons_[kManifest].IsChecked() && !buttons_[kManifestGit].IsChecked()) {
    buttons_[kManifest].SetChecked(true);
  }
}
