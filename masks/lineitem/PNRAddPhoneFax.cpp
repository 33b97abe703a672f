#include "masks/lineitem/PNRAddPhoneFax.h"

#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_add_phone_fax;
using namespace platform;

namespace {

constexpr int kNoControl = -1;
constexpr int kNumberLimit = 40;

struct KindDescription {
  int numberLabel;
  std::string_view entryKey;  // the type list's entry
  std::string_view labelKey;
  std::string_view numberTip;
  std::string_view numberMissingKey;
  std::string_view suffix;
};

constexpr std::array<KindDescription, CPNRAddPhoneFax::kKindCount> kKinds{{
    {ids::kAgencyNumberLabel, "DATA_VESPIN4_AGENCYPHONE", "LAB_PH_NO", "TIP_PNR_AGENCYTEL",
     "ERR_PNR_PSGR_AGENCY_PHONE_NO_MANDATORY", "-A"},
    {ids::kBusinessNumberLabel, "DATA_PNR_BUSINESSPHONE", "LAB_PH_NO", "TIP_PNR_BUSTEL",
     "ERR_PNR_PSGR_BUSNS_PHONE_NO_MANDATORY", "-B"},
    {ids::kHomeNumberLabel, "DATA_VESPIN4_HOMEPHONE", "LAB_PH_NO", "TIP_PNR_HOMENO",
     "ERR_PNR_PSGR_HOME_PHONE_NO_MANDATORY", "-H"},
    {ids::kMobileNumberLabel, "DATA_PNR_MOBILEPHONE", "LAB_PH_NO", "TOOLTIP_MOB_PH_NO",
     "ERR_PNR_PSGR_MOB_PHONE_NO_MANDATORY", "-C"},
    {ids::kFaxNumberLabel, "IDS_RAD_FAX", "LAB_ITINMAIN_FAX", "TIP_PNR_FAXNO",
     "ERR_PNR_PSGR_FAX_NO_MANDATORY", "-F"},
}};

bool isBlank(const fields::CField& field) {
  return platform::trimWhiteSpace(field.GetText()).empty();
}

bool hasContactPerson(CPNRAddPhoneFax::Kind kind) {
  return kind == CPNRAddPhoneFax::Business || kind == CPNRAddPhoneFax::Home ||
         kind == CPNRAddPhoneFax::Mobile;
}

// A name that is not blank must be made of the allowed characters.
bool checkName(fields::CField& name, std::string_view extraChars, std::string_view errorKey) {
  if (isBlank(name) || CTorvanValidate().IsAlphanumericEx(name.GetText(), extraChars)) return true;
  name.ReportError(errorKey);
  return false;
}

}  // namespace

CPNRAddPhoneFax::CPNRAddPhoneFax() {
  fields().declare(type_, "", ids::kTypeLabel, ids::kType, 0, 0, "LAB_PNR_TYPE", "TIP_PNR_TYPE",
                   fields::kModification);
  for (int kind = 0; kind < kKindCount; ++kind) {
    fields().declare(numberLabels_[kind], "", kKinds[kind].numberLabel, kNoControl, 1, 0,
                     kKinds[kind].labelKey, kKinds[kind].numberTip, fields::kModification);
  }
  fields().declare(number_, "", kNoControl, ids::kNumber, 0, kNumberLimit, "",
                   kKinds[Agency].numberTip, fields::kModification);
  fields().declare(agencyName_, "", ids::kAgencyNameLabel, ids::kAgencyName, 0, 50,
                   "LAB_PNR_AGENCYNAME", "TIP_PNR_AGENCYNAME", fields::kModification);
  fields().declare(agentName_, "", ids::kAgentNameLabel, ids::kAgentName, 0, 15,
                   "LAB_PNR_AGENTNAME", "TIP_PNR_AGENTNAME", fields::kModification);
  fields().declare(contactPerson_, "", ids::kContactPersonLabel, ids::kContactPerson, 0, 20,
                   "LAB_PNR_PERSON", "TIP_PNR_PERSON", fields::kModification);
}

void CPNRAddPhoneFax::BindFields(Window& dialog) {
  Window& list = *dialog.child(ids::kType);
  for (int kind = 0; kind < kKindCount; ++kind) {
    std::string text;
    mask().GetLangText(kKinds[kind].entryKey, text);
    list.addEntry(text, kind);
  }
}

bool CPNRAddPhoneFax::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code == WM_COMMAND && lowWord(message.wParam) == ids::kType &&
      highWord(message.wParam) == CBN_SELCHANGE) {
    ApplyKind();
  }
  return false;
}

// The kind of the selected entry; the first kind while none is selected.
CPNRAddPhoneFax::Kind CPNRAddPhoneFax::SelectedKind() const {
  const Window& list = *dialog()->child(ids::kType);
  const ListEntry* entry = list.entry(list.currentEntry());
  if (entry == nullptr || entry->data < 0 || entry->data >= kKindCount) return Agency;
  return static_cast<Kind>(entry->data);
}

void CPNRAddPhoneFax::ApplyKind() {
  const Kind kind = SelectedKind();
  for (int each = 0; each < kKindCount; ++each) {
    numberLabels_[each].ShowLabel(each == kind ? SW_SHOW : SW_HIDE);
  }
  agencyName_.Show(kind == Agency ? SW_SHOW : SW_HIDE);
  agentName_.Show(kind == Agency ? SW_SHOW : SW_HIDE);
  contactPerson_.Show(hasContactPerson(kind) ? SW_SHOW : SW_HIDE);
  // The number's tooltip follows the kind.
  number_.Create(*dialog(), kNoControl, ids::kNumber, 0, kNumberLimit, "", kKinds[kind].numberTip,
                 fields::kModification);
  number_.Clear();
}

bool CPNRAddPhoneFax::ValidateFields() {
  const Kind kind = SelectedKind();
  if (kind == Agency) {
    if (!checkName(agencyName_, " ", "ERR_VESPIN4_AGENCYNAME_ALPHANUM_FIELD")) return false;
    if (!checkName(agentName_, "", "ERR_VESPIN4_AGENTNAME_ALPHANUM_FIELD")) return false;
  } else if (hasContactPerson(kind)) {
    if (!checkName(contactPerson_, " ", "ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD")) return false;
  }
  if (isBlank(number_)) {
    number_.ReportError(kKinds[kind].numberMissingKey);
    return false;
  }
  if (!CTorvanValidate().IsAlphanumericEx(number_.GetText(), "- ")) {
    number_.ReportError(kind == Fax ? "ERR_AUXCARMODIFY_FAXNUM_ALPHANUM_FIELD"
                                    : "ERR_AUXAIRPORTCITY_INVALID_NON_ALPHA_NUM_PHONE_NUMBER");
    return false;
  }
  return true;
}

std::string CPNRAddPhoneFax::BuildCommand() const {
  const Kind kind = SelectedKind();
  std::string command = "9 " + number_.GetText();
  if (kind == Agency) {
    const bool withAgency = !isBlank(agencyName_);
    if (withAgency) command += " " + agencyName_.GetText();
    if (!isBlank(agentName_)) command += (withAgency ? "/" : " ") + agentName_.GetText();
  } else if (hasContactPerson(kind) && !isBlank(contactPerson_)) {
    command += contactPerson_.GetText();
  }
  return command + std::string(kKinds[kind].suffix);
}

// The kind and the number; then only the names the kind shows, the others emptied.
void CPNRAddPhoneFax::SaveFields(CTorvanProfile& profile) {
  const Kind kind = SelectedKind();
  profile.setKeyName("TYPE");
  profile.setValue(std::to_string(kind));
  number_.Save(profile, "PHONE_NO");
  for (std::string_view key : {"AGENCY_NAME", "AGENT_NAME", "CONTACT_PERSON"}) {
    mask().ClearItemKey(key, profile);
  }
  if (kind == Agency) {
    agencyName_.Save(profile, "AGENCY_NAME");
    agentName_.Save(profile, "AGENT_NAME");
  } else if (hasContactPerson(kind)) {
    contactPerson_.Save(profile, "CONTACT_PERSON");
  }
}

// Choosing the kind empties the number, so the number is loaded last.
void CPNRAddPhoneFax::LoadFields(CTorvanProfile& profile) {
  mask().RestoreComboSelection(*dialog()->child(ids::kType), "TYPE", profile);
  agencyName_.Load(profile, "AGENCY_NAME");
  agentName_.Load(profile, "AGENT_NAME");
  contactPerson_.Load(profile, "CONTACT_PERSON");
  ApplyKind();
  number_.Load(profile, "PHONE_NO");
}

void CPNRAddPhoneFax::ClearFields() {
  dialog()->child(ids::kType)->setCurrentEntry(0);
  number_.Clear();
  agencyName_.Clear();
  agentName_.Clear();
  contactPerson_.Clear();
  ApplyKind();
}
