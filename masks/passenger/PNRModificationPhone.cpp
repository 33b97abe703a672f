#include "masks/passenger/PNRModificationPhone.h"

namespace ids = resources::pnr_modification_phone;
using namespace platform;

namespace {

// The character rule of every number and name: letters, digits, "-" and blanks.
constexpr std::string_view kPhoneCharacters = "- ";

struct KindChecks {
  std::string_view entryKey;  // the type list's entry
  std::string_view missingKey;
  std::string_view invalidKey;
};

constexpr std::array<KindChecks, CPNRModificationPhone::kKindCount> kKinds{{
    {"DATA_VESPIN4_AGENCYPHONE", "ERR_PNR_PSGR_AGENCY_PHONE_NO_MANDATORY",
     "ERR_PNR_AGENCY_NUM_INVALID"},
    {"DATA_PNR_BUSINESSPHONE", "ERR_PNR_PSGR_BUSNS_PHONE_NO_MANDATORY", "ERR_PNR_BUS_NUM_INVALID"},
    {"DATA_VESPIN4_HOMEPHONE", "ERR_PNR_PSGR_HOME_PHONE_NO_MANDATORY", "ERR_PNR_HOME_NUM_INVALID"},
    {"DATA_PNR_MOBILEPHONE", "ERR_PNR_PSGR_MOB_PHONE_NO_MANDATORY", "ERR_PNR_MOB_NUM_INVALID"},
    {"IDS_RAD_FAX", "ERR_PNR_PSGR_FAX_NO_MANDATORY", "ERR_CARSELL_FAX_NUM_INVALID"},
}};

}  // namespace

CPNRModificationPhone::CPNRModificationPhone() {
  // The mask saves and loads these itself: only the chosen kind's number is kept.
  fields().declare(type_, "", ids::kTypeLabel, ids::kType, 1, 0, "LAB_PNR_TYPE", "TIP_PNR_TYPE",
                   fields::kModification);
  fields().declare(lineNo_, "", ids::kLineLabel, ids::kLineNumber, 0, fields::kModification);
  fields().declare(agencyTel_, "", ids::kAgencyNameLabel, ids::kAgencyName, ids::kAgentNameLabel,
                   ids::kAgentName, ids::kAgencyTelLabel, ids::kAgencyTel, 0,
                   fields::kModification);
  fields().declare(businessTel_, "", ids::kBusinessTelLabel, ids::kBusinessTel, ids::kPersonLabel,
                   ids::kPerson, 0, fields::kModification);
  fields().declare(home_, "", ids::kHomeLabel, ids::kHome, 1);
  fields().declare(mobile_, "", ids::kMobileLabel, ids::kMobile, 1);
  fields().declare(fax_, "", ids::kFaxLabel, ids::kFax, 1, fields::kModification);
}

void CPNRModificationPhone::BindFields(Window& dialog) {
  Window& list = *dialog.child(ids::kType);
  for (int kind = 0; kind < kKindCount; ++kind) {
    std::string text;
    mask().GetLangText(kKinds[kind].entryKey, text);
    list.addEntry(text, kind);
  }
}

void CPNRModificationPhone::AfterInitDialog() {
  ApplyKind();
}

bool CPNRModificationPhone::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code == WM_COMMAND && lowWord(message.wParam) == ids::kType &&
      highWord(message.wParam) == CBN_SELCHANGE) {
    ApplyKind();
  }
  return false;
}

CPNRModificationPhone::Kind CPNRModificationPhone::SelectedKind() const {
  const Window& list = *dialog()->child(ids::kType);
  const ListEntry* entry = list.entry(list.currentEntry());
  if (entry == nullptr || entry->data < 0 || entry->data >= kKindCount) return kNoKind;
  return static_cast<Kind>(entry->data);
}

// The names are closed unless the kind opens them; of the five numbers only the kind's shows
// (none while no kind is chosen).
void CPNRModificationPhone::ApplyKind() {
  for (int id : ids::kNameControls) dialog()->child(id)->enable(false);
  const Kind kind = SelectedKind();
  if (kind == Agency) agencyTel_.Enable(1);
  if (kind == Business) businessTel_.Enable(1);
  if (kind == Home) home_.Enable(1);
  if (kind == Mobile) mobile_.Enable(1);
  if (kind == Fax) fax_.Enable(1);
  for (int each = 0; each < kKindCount; ++each) {
    const int command = each == kind ? SW_SHOW : SW_HIDE;
    dialog()->child(ids::kNumbers[each].label)->show(command);
    dialog()->child(ids::kNumbers[each].edit)->show(command);
  }
}

bool CPNRModificationPhone::CheckOptionalCharacters(int controlId, std::string_view errorKey) {
  Window& dialog = *this->dialog();
  return mask().IsFieldEmpty(dialog, controlId) != 0 ||
         mask().CheckAlphanumericEx(dialog, controlId, kTraits.caption, errorKey,
                                    kPhoneCharacters) != 0;
}

bool CPNRModificationPhone::CheckNumber(Kind kind) {
  Window& dialog = *this->dialog();
  const int number = ids::kNumbers[kind].edit;
  if (mask().CheckMandatory(dialog, number, kTraits.caption, kKinds[kind].missingKey) == 0 ||
      mask().CheckAlphanumericEx(dialog, number, kTraits.caption, kKinds[kind].invalidKey,
                                 kPhoneCharacters) == 0) {
    return false;
  }
  if (kind == Agency) {
    return CheckOptionalCharacters(ids::kAgencyName, "ERR_VESPIN4_AGENCYNAME_ALPHANUM_FIELD") &&
           CheckOptionalCharacters(ids::kAgentName, "ERR_VESPIN4_AGENTNAME_ALPHANUM_FIELD");
  }
  if (kind == Business) {
    return CheckOptionalCharacters(ids::kPerson, "ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD");
  }
  return true;
}

// The kind's number and names, the line, then the kind's field by its own rules.
bool CPNRModificationPhone::ValidateFields() {
  const Kind kind = SelectedKind();
  if (kind == kNoKind) {
    type_.ReportError("ERR_PNR_TYPE_NONE");
    return false;
  }
  if (!CheckNumber(kind) || lineNo_.Validate() == 0) return false;
  switch (kind) {
    case Agency:
      return agencyTel_.Validate() != 0;
    case Business:
      return businessTel_.Validate() != 0;
    case Home:
      return home_.Validate() != 0;
    case Mobile:
      return mobile_.Validate() != 0;
    default:
      return fax_.Validate() != 0;
  }
}

std::string CPNRModificationPhone::BuildCommand() const {
  const std::string line = lineNo_.GetText(fields::kShortBuffer);
  switch (SelectedKind()) {
    case Agency:
      return agencyTel_.BuildFragment(line);
    case Business:
      return businessTel_.BuildFragment(line);
    case Home:
      return home_.BuildFragment(line);
    case Mobile:
      return mobile_.BuildFragment(line);
    case Fax:
      return fax_.BuildFragment(line);
    default:
      return {};
  }
}

// After the marker: the line, the kind, and only the chosen kind's number and names.
void CPNRModificationPhone::SaveFields(CTorvanProfile& profile) {
  lineNo_.Save(profile, "LINENO");
  const Kind kind = SelectedKind();
  profile.setKeyName("TYPE");
  profile.setValue(std::to_string(kind));
  ApplyKind();
  switch (kind) {
    case Agency:
      agencyTel_.Save(profile);
      break;
    case Business:
      businessTel_.Save(profile);
      break;
    case Home:
      home_.Save(profile, "HOMENO");
      break;
    case Mobile:
      mobile_.Save(profile, "HOMENO");
      break;
    case Fax:
      fax_.Save(profile, "FAXNO");
      break;
    default:
      break;
  }
}

void CPNRModificationPhone::LoadFields(CTorvanProfile& profile) {
  lineNo_.Load(profile, "LINENO");
  mask().RestoreComboSelection(*dialog()->child(ids::kType), "TYPE", profile);
  ApplyKind();
  switch (SelectedKind()) {
    case Agency:
      agencyTel_.Load(profile);
      break;
    case Business:
      businessTel_.Load(profile);
      break;
    case Home:
      home_.Load(profile, "HOMENO");
      break;
    case Mobile:
      mobile_.Load(profile, "HOMENO");
      break;
    case Fax:
      fax_.Load(profile, "FAXNO");
      break;
    default:
      break;
  }
}

// Every kind's number and names emptied, the first kind chosen, the line emptied.
void CPNRModificationPhone::ClearFields() {
  agencyTel_.Clear();
  businessTel_.Clear();
  home_.Clear();
  mobile_.Clear();
  fax_.Clear();
  dialog()->child(ids::kType)->setCurrentEntry(0);
  ApplyKind();
  lineNo_.Clear();
}
