#include "masks/retrieval/PNRRetrieval.h"

#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_retrieval;
using fields::kCreation;
using platform::Window;

namespace {

// The fields each mode makes mandatory and optional (kNone fills the rest).
struct ModeFields {
  std::array<CPNRRetrieval::Field, 7> mandatory;
  std::array<CPNRRetrieval::Field, 3> optional;
};

using F = CPNRRetrieval::Field;
constexpr std::array<ModeFields, 8> kModes{{
    {{F::kLocator}, {}},
    {{F::kLocator, F::kCarrier}, {}},
    {{F::kSurname}, {F::kPcc, F::kGivenName}},
    {{F::kSurname, F::kCarrier, F::kDate, F::kFlight}, {F::kGivenName, F::kFromCity, F::kToCity}},
    {{F::kGroupName, F::kCarrier}, {F::kPcc}},
    {{F::kCarrier, F::kFlight, F::kDate, F::kGroupName, F::kGroupCarrier},
     {F::kFromCity, F::kToCity}},
    {{F::kTicket}, {}},
    {{F::kDate, F::kFromCity, F::kCarrier, F::kFlight, F::kClass, F::kSecondaryCode, F::kManifest},
     {F::kToCity, F::kStatus, F::kPcc}},
}};

constexpr std::array<std::string_view, 8> kModeEntries{
    "LAB_RETPNR_BYPNRLCTR",   "LAB_RETPNR_BYAIRLCTR", "LAB_RETPNR_BYPAXNAME",
    "LAB_RETPNR_BYPAXFLIGHT", "LAB_RETPNR_BYGRPNAME", "LAB_RETPNR_BYGRPFLIGHT",
    "LAB_RETPNR_BYTKTNUMBER", "DATA_RETPNR_BYFIT"};
constexpr std::array<std::string_view, 6> kSecondaryCodeEntries{
    "DATA_RETPNR_SC_H", "DATA_RETPNR_SC_C", "DATA_RETPNR_SC_W",
    "DATA_RETPNR_SC_P", "DATA_RETPNR_SC_Q", "DATA_RETPNR_SC_X"};

// The carrier code takes two characters; an airline's own locator comes with up to three.
constexpr int kCarrierLength = 2;
constexpr int kAirlineLocatorCarrierLength = 3;

// The fields whose text is kept under a key, in the order they are saved.
struct KeptText {
  F field;
  int controlId;
  std::string_view key;
};
constexpr std::array<KeptText, 13> kKeptTexts{{
    {F::kTicket, ids::kTicket, "TICKET_NO"},
    {F::kLocator, ids::kLocator, "PNR_LOCATOR"},
    {F::kSurname, ids::kSurname, "SURNAME"},
    {F::kGroupName, ids::kGroupName, "GROUP_NAME"},
    {F::kStatus, ids::kStatus, "STATUS"},
    {F::kFromCity, ids::kFromCity, "FROM_CITY"},
    {F::kPcc, ids::kPcc, "PCC"},
    {F::kFlight, ids::kFlight, "FLIGHT_NO"},
    {F::kGivenName, ids::kGivenName, "GIVEN_NAME"},
    {F::kCarrier, ids::kCarrier, "CARRIER_CODE"},
    {F::kGroupCarrier, ids::kGroupCarrier, "GROUP_NAME_CARRIER_CODE"},
    {F::kDate, ids::kDate, "DEPT_DATE"},
    {F::kToCity, ids::kToCity, "TO_CITY"},
}};

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

std::string selectedData(const Window& list) {
  const platform::ListEntry* entry = list.entry(list.currentEntry());
  return entry != nullptr ? std::to_string(entry->data) : std::string();
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

CPNRRetrieval::CPNRRetrieval() {
  auto declare = [this](fields::CField& field, int labelId, int controlId, int maxLength,
                        std::string_view labKey, std::string_view tipKey, int mandatory = 0) {
    fields().declare(field, "", labelId, controlId, mandatory, maxLength, labKey, tipKey,
                     kCreation);
  };
  // The mode's label is always in the mandatory colour.
  declare(mode_, ids::kModeLabel, ids::kMode, 0, "MENU_ID_PNR_RETRIEVE",
          "TOOLTIP_RETPNR_PNR_RETRIEVE", 1);
  declare(ticket_, ids::kTicketLabel, ids::kTicket, 11, "LAB_RETPNR_TKTNUMBER",
          "TOOLTIP_RETPNR_TKTNUMBER");
  declare(locator_, ids::kLocatorLabel, ids::kLocator, 6, "LAB_MAN_VOID_TKT_PNR_LOCATOR",
          "TOOLTIP_RETPNR_LOCATOR");
  declare(surname_, ids::kSurnameLabel, ids::kSurname, 30, "LAB_RETPNR_SURNAME",
          "TOOLTIP_RETPNR_SURNAME");
  declare(groupName_, ids::kGroupNameLabel, ids::kGroupName, 28, "LAB_RETPNR_GRPNAME",
          "TOOLTIP_RETPNR_GRPNAME");
  declare(status_, ids::kStatusLabel, ids::kStatus, 2, "LAB_MANTIX_S_STATUS",
          "TOOLTIP_RETPNR_STATUS");
  declare(fromCity_, ids::kFromCityLabel, ids::kFromCity, 3, "LAB_NETFARESDISPLAY_FROMCITY",
          "TOOLTIP_RETPNR_FROM");
  declare(manifestFit_, ids::kManifestLabel, ids::kManifestFit, 0, "LAB_RETPNR_FLIGHT_MANIFEST",
          "TOOLTIP_RETPNR_FIT");
  declare(manifestGit_, -1, ids::kManifestGit, 0, "", "TOOLTIP_RETPNR_GIT");
  declare(pcc_, ids::kPccLabel, ids::kPcc, 4, "LAB_RETPNR_PCC", "TOOLTIP_RETPNR_PCC");
  declare(flight_, ids::kFlightLabel, ids::kFlight, 6, "LAB_RETPNR_FLIGHT",
          "TOOLTIP_RETPNR_FLIGHT");
  declare(givenName_, ids::kGivenNameLabel, ids::kGivenName, 32, "LAB_RETPNR_GIVNAME",
          "TOOLTIP_RETPNR_GIVNAME");
  declare(carrier_, ids::kCarrierLabel, ids::kCarrier, kCarrierLength, "LAB_PNR_CARRIERCODE",
          "TOOLTIP_RETPNR_CARRIERCODE3");
  declare(groupCarrier_, ids::kGroupCarrierLabel, ids::kGroupCarrier, kCarrierLength,
          "LAB_RETPNR_GRPNAME_CARRIERCODE", "TOOLTIP_CARRIER_CODE");
  declare(date_, ids::kDateLabel, ids::kDate, 5, "LAB_PNR_DEPTDATE", "TOOLTIP_RETPNR_DEPDATE");
  declare(toCity_, ids::kToCityLabel, ids::kToCity, 3, "LAB_NETFARESDISPLAY_TOCITY",
          "TOOLTIP_RETPNR_TO");
  declare(secondaryCode_, ids::kSecondaryCodeLabel, ids::kSecondaryCode, 0,
          "LAB_RETPNR_SECONDARY_CODE", "TOOLTIP_RETPNR_SECONDARY_CODE");
  declare(class_, ids::kClassLabel, ids::kClass, 2, "_LAB_CLASS", "TOOLTIP_RETPNR_CLASS");
}

// The lists, the texts of the manifest types, and the five links: the cities look up city
// codes, the carriers carrier codes, and the date opens the calendar.
void CPNRRetrieval::BindFields(Window& dialog) {
  fillList(dialog.child(ids::kMode), kModeEntries, mask());
  fillList(dialog.child(ids::kSecondaryCode), kSecondaryCodeEntries, mask());
  mask().SetCaption(dialog, ids::kManifestFit, "DATA_VESPIN5_TYPE_FIT");
  mask().SetCaption(dialog, ids::kManifestGit, "DATA_VESPIN5_TYPE_GIT");

  const framework::CodeLookupTable& lookups =
      framework::TorvanMaskT<CPNRRetrieval>::codeLookupTable();
  fromCity_.SetLabelMode(2, lookups.text(framework::CodeList::City));
  toCity_.SetLabelMode(2, lookups.text(framework::CodeList::City));
  carrier_.SetLabelMode(2, lookups.text(framework::CodeList::Carrier));
  groupCarrier_.SetLabelMode(2, lookups.text(framework::CodeList::Carrier));
  date_.SetLabelMode(1);
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

fields::CField& CPNRRetrieval::FieldOf(Field field) {
  switch (field) {
    case kTicket:
      return ticket_;
    case kLocator:
      return locator_;
    case kSurname:
      return surname_;
    case kGroupName:
      return groupName_;
    case kStatus:
      return status_;
    case kFromCity:
      return fromCity_;
    case kPcc:
      return pcc_;
    case kFlight:
      return flight_;
    case kGivenName:
      return givenName_;
    case kCarrier:
      return carrier_;
    case kGroupCarrier:
      return groupCarrier_;
    case kDate:
      return date_;
    case kToCity:
      return toCity_;
    case kSecondaryCode:
      return secondaryCode_;
    case kManifest:
      return manifestFit_;
    case kClass:
      return class_;
    case kNone:
    case kFieldCount:
      break;
  }
  return mode_;
}

void CPNRRetrieval::SetState(Field field, State state) {
  states_[field] = state;
  fields::CField& target = FieldOf(field);
  target.Enable(state != kDisabled ? 1 : 0);
  target.SetMandatory(state == kMandatory ? 1 : 0);
  if (field == kManifest) manifestGit_.Enable(state != kDisabled ? 1 : 0);
}

int CPNRRetrieval::Mode() const {
  const Window* list = dialog()->child(ids::kMode);
  const platform::ListEntry* entry = list != nullptr ? list->entry(list->currentEntry()) : nullptr;
  return entry != nullptr ? static_cast<int>(entry->data) : -1;
}

void CPNRRetrieval::ApplyMode() {
  for (int field = kTicket; field < kFieldCount; ++field) {
    SetState(static_cast<Field>(field), kDisabled);
  }
  Window* carrier = carrier_.EditWindow();
  if (carrier != nullptr) carrier->setTextLimit(kCarrierLength);
  const int mode = Mode();
  if (mode >= 0 && mode < static_cast<int>(kModes.size())) {
    const ModeFields& fieldsOfMode = kModes[static_cast<std::size_t>(mode)];
    for (Field field : fieldsOfMode.mandatory) {
      if (field != kNone) SetState(field, kMandatory);
    }
    for (Field field : fieldsOfMode.optional) {
      if (field != kNone) SetState(field, kOptional);
    }
    if (mode == 1 && carrier != nullptr) carrier->setTextLimit(kAirlineLocatorCarrierLength);
  }
  carrier_.Clear();
}

// Validation

std::string CPNRRetrieval::Text(int controlId) const {
  return framework::itemText(*dialog(), controlId, fields::kFieldBuffer);
}

bool CPNRRetrieval::Blank(int controlId) const {
  return platform::trimWhiteSpace(Text(controlId)).empty();
}

bool CPNRRetrieval::Fault(int controlId, std::string_view errorKey) {
  mask().ReportFault(*dialog(), controlId, kTraits.caption, errorKey);
  return false;
}

bool CPNRRetrieval::CheckField(Field field, int controlId, std::string_view mandatoryKey,
                               TextCheck check, std::string_view checkKey, int minLength,
                               std::string_view minKey) {
  if (states_[field] == kDisabled) return true;
  if (Blank(controlId)) {
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
  if (Blank(ids::kFromCity)) {
    if (Mode() == 7) return Fault(ids::kFromCity, "ERR_RETPNR_FROMCITY_MANDATORY_FIELD");
    if (states_[kFromCity] == kMandatory || !Blank(ids::kToCity)) {
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
  const int mode = Mode();
  if (Blank(ids::kToCity)) {
    if (!Blank(ids::kFromCity) && mode != 3 && mode != 7) {
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
  const int mode = Mode();
  const int locatorLength = mode == 0 ? 6 : mode == 1 ? 5 : 0;
  const std::string_view locatorShort =
      mode == 0 ? "ERR_RETPNR_LOCATOR_MINVAL_FIELD1" : "ERR_PNR_LOCATOR_SHORT2";
  const std::string_view carrierShort =
      mode == 1 ? "ERR_RETPNR_CARRIERCODE_MINVAL2" : "ERR_RETPNR_CARRIERCODE_MINVAL";
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
  switch (Mode()) {
    case 0:
      return "*" + text(ids::kLocator);
    case 1:
      return std::string(framework::kChangeMark) + text(ids::kCarrier) + "/*" + text(ids::kLocator);
    case 2:
      return "*" + optional("-", ids::kPcc) + passenger;
    case 3:
      return "*" + flight + passenger;
    case 4:
      return "*" + optional("-", ids::kPcc) + "-C/" + text(ids::kCarrier) + "/" +
             text(ids::kGroupName);
    case 5:
      return "*" + flight + "-C/" + text(ids::kGroupCarrier) + "/" + text(ids::kGroupName);
    case 6:
      return "*TKT" + text(ids::kTicket);
    case 7: {
      const Window* git = dialog()->child(ids::kManifestGit);
      const Window* secondary = dialog()->child(ids::kSecondaryCode);
      const platform::ListEntry* code =
          secondary != nullptr ? secondary->entry(secondary->currentEntry()) : nullptr;
      return std::string("L") + (git != nullptr && git->checkState() == 1 ? "G" : "") +
             (code != nullptr ? code->text : std::string()) + text(ids::kCarrier) +
             text(ids::kFlight) + text(ids::kClass) + text(ids::kDate) + text(ids::kFromCity) +
             text(ids::kToCity) + optional("/", ids::kStatus) + optional("/", ids::kPcc);
    }
    default:
      return {};
  }
}

// Clear, save and recall

void CPNRRetrieval::ClearFields() {
  Window& dialog = *this->dialog();
  if (Window* list = dialog.child(ids::kMode)) list->setCurrentEntry(0);
  for (fields::CField* field : {&ticket_, &locator_, &surname_, &groupName_, &status_, &fromCity_})
    field->Clear();
  if (Window* fit = dialog.child(ids::kManifestFit)) fit->setCheckState(1);
  if (Window* git = dialog.child(ids::kManifestGit)) git->setCheckState(0);
  for (fields::CField* field :
       {&pcc_, &flight_, &givenName_, &carrier_, &groupCarrier_, &date_, &toCity_})
    field->Clear();
  if (Window* list = dialog.child(ids::kSecondaryCode)) list->setCurrentEntry(0);
  class_.Clear();
  ApplyMode();
}

void CPNRRetrieval::SaveFields(CTorvanProfile& profile) {
  Window& dialog = *this->dialog();
  const auto write = [&](std::string_view key, const std::string& value) {
    profile.setKeyName(key);
    profile.setValue(value);
  };
  const Window* modeList = dialog.child(ids::kMode);
  write("RETRIEVE_PNR", modeList != nullptr ? selectedData(*modeList) : std::string());
  for (const KeptText& kept : kKeptTexts) {
    write(kept.key, states_[kept.field] != kDisabled ? Text(kept.controlId) : std::string());
  }
  const Window* secondary = dialog.child(ids::kSecondaryCode);
  write("SECONDARY_CODE", states_[kSecondaryCode] != kDisabled && secondary != nullptr
                              ? selectedData(*secondary)
                              : std::string());
  const bool manifest = states_[kManifest] != kDisabled;
  for (const auto& [key, id] : {std::pair{"FIT", ids::kManifestFit}, {"GIT", ids::kManifestGit}}) {
    const Window* radio = dialog.child(id);
    write(key, manifest && radio != nullptr ? std::to_string(radio->checkState()) : std::string());
  }
  write("CLASS", states_[kClass] != kDisabled ? Text(ids::kClass) : std::string());
}

void CPNRRetrieval::LoadFields(CTorvanProfile& profile) {
  Window& dialog = *this->dialog();
  if (Window* list = dialog.child(ids::kMode)) {
    mask().RestoreComboSelection(*list, "RETRIEVE_PNR", profile);
  }
  ApplyMode();
  for (const auto& [field, key] : {std::pair{&ticket_, "TICKET_NO"},
                                   {&locator_, "PNR_LOCATOR"},
                                   {&surname_, "SURNAME"},
                                   {&groupName_, "GROUP_NAME"},
                                   {&status_, "STATUS"},
                                   {&fromCity_, "FROM_CITY"}}) {
    field->Load(profile, key);
  }
  for (const auto& [key, id] : {std::pair{"FIT", ids::kManifestFit}, {"GIT", ids::kManifestGit}}) {
    profile.setKeyName(key);
    std::string value;
    profile.getValue(value, "", fields::kLoadBuffer);
    if (Window* radio = dialog.child(id)) radio->setCheckState(value == "1" ? 1 : 0);
  }
  for (const auto& [field, key] : {std::pair{&pcc_, "PCC"},
                                   {&flight_, "FLIGHT_NO"},
                                   {&givenName_, "GIVEN_NAME"},
                                   {&groupCarrier_, "GROUP_NAME_CARRIER_CODE"},
                                   {&date_, "DEPT_DATE"},
                                   {&toCity_, "TO_CITY"},
                                   {&class_, "CLASS"},
                                   {&carrier_, "CARRIER_CODE"}}) {
    field->Load(profile, key);
  }
  if (Window* list = dialog.child(ids::kSecondaryCode)) {
    mask().RestoreComboSelection(*list, "SECONDARY_CODE", profile);
  }
  Window* fit = dialog.child(ids::kManifestFit);
  Window* git = dialog.child(ids::kManifestGit);
  if (fit != nullptr && git != nullptr && fit->checkState() == 0 && git->checkState() == 0) {
    fit->setCheckState(1);
  }
}
