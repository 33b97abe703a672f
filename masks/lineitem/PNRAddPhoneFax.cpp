#include "masks/lineitem/PNRAddPhoneFax.h"

#include "framework/services/CTorvanValidate.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_add_phone_fax;
using namespace platform;
using fields::kAgencyPhone;
using fields::kBusinessPhone;
using fields::kFaxPhone;
using fields::kHomePhone;
using fields::kMobilePhone;
using fields::kPhoneKindCount;
using fields::PhoneKind;

namespace {

constexpr int kNoControl = -1;
constexpr int kNumberLimit = 40;

// What each kind shows besides the shared kind texts.
struct KindDescription {
  int numberLabel;
  std::string_view labelKey;
  std::string_view numberTip;
  std::string_view suffix;
};

constexpr std::array<KindDescription, kPhoneKindCount> kKinds{{
    {ids::kAgencyNumberLabel, "LAB_PH_NO", "TIP_PNR_AGENCYTEL", "-A"},
    {ids::kBusinessNumberLabel, "LAB_PH_NO", "TIP_PNR_BUSTEL", "-B"},
    {ids::kHomeNumberLabel, "LAB_PH_NO", "TIP_PNR_HOMENO", "-H"},
    {ids::kMobileNumberLabel, "LAB_PH_NO", "TOOLTIP_MOB_PH_NO", "-C"},
    {ids::kFaxNumberLabel, "LAB_ITINMAIN_FAX", "TIP_PNR_FAXNO", "-F"},
}};

bool isBlank(const fields::CField& field) {
  return platform::trimWhiteSpace(field.GetText()).empty();
}

bool hasContactPerson(PhoneKind kind) {
  return kind == kBusinessPhone || kind == kHomePhone || kind == kMobilePhone;
}

// A name that is not blank must be made of the allowed characters.
bool checkName(fields::CField& name, std::string_view extraChars, std::string_view errorKey) {
  if (isBlank(name) || CTorvanValidate().IsAlphanumericEx(name.GetText(), extraChars)) return true;
  name.ReportError(errorKey);
  return false;
}

}  // namespace

// Saved in this order: the kind, the number, then only the names the kind shows, the others
// emptied. Choosing the kind empties the number, so the kind is applied before the number is
// loaded.
CPNRAddPhoneFax::CPNRAddPhoneFax() {
  fields().declare(type_, "", ids::kTypeLabel, ids::kType, 0, 0, "LAB_PNR_TYPE", "TIP_PNR_TYPE",
                   fields::kModification);
  fields().declare(typeList_, "TYPE", ids::kType);
  for (int kind = 0; kind < kPhoneKindCount; ++kind) {
    fields().declare(numberLabels_[kind], "", kKinds[kind].numberLabel, kNoControl, 1, 0,
                     kKinds[kind].labelKey, kKinds[kind].numberTip, fields::kModification);
  }
  fields().declareRule([this] { ApplyKind(); });
  fields().declare(number_, "PHONE_NO", kNoControl, ids::kNumber, 0, kNumberLimit, "",
                   kKinds[kAgencyPhone].numberTip, fields::kModification);
  const auto agencyShown = [this] { return SelectedKind() == kAgencyPhone; };
  fields()
      .declare(agencyName_, "AGENCY_NAME", ids::kAgencyNameLabel, ids::kAgencyName, 0, 50,
               "LAB_PNR_AGENCYNAME", "TIP_PNR_AGENCYNAME", fields::kModification)
      .savedEmptyUnless(agencyShown);
  fields()
      .declare(agentName_, "AGENT_NAME", ids::kAgentNameLabel, ids::kAgentName, 0, 15,
               "LAB_PNR_AGENTNAME", "TIP_PNR_AGENTNAME", fields::kModification)
      .savedEmptyUnless(agencyShown);
  fields()
      .declare(contactPerson_, "CONTACT_PERSON", ids::kContactPersonLabel, ids::kContactPerson, 0,
               20, "LAB_PNR_PERSON", "TIP_PNR_PERSON", fields::kModification)
      .savedEmptyUnless([this] { return hasContactPerson(SelectedKind()); });
}

void CPNRAddPhoneFax::BindFields(Window& dialog) {
  fields::addPhoneKindEntries(*dialog.child(ids::kType));
}

bool CPNRAddPhoneFax::ProcessFieldMessages(const Message& message, LRESULT&) {
  if (message.code == WM_COMMAND && lowWord(message.wParam) == ids::kType &&
      highWord(message.wParam) == CBN_SELCHANGE) {
    ApplyKind();
  }
  return false;
}

PhoneKind CPNRAddPhoneFax::SelectedKind() const {
  return fields::selectedPhoneKind(*dialog()->child(ids::kType)).value_or(kAgencyPhone);
}

void CPNRAddPhoneFax::ApplyKind() {
  const PhoneKind kind = SelectedKind();
  for (int each = 0; each < kPhoneKindCount; ++each) {
    numberLabels_[each].ShowLabel(each == kind ? SW_SHOW : SW_HIDE);
  }
  agencyName_.Show(kind == kAgencyPhone ? SW_SHOW : SW_HIDE);
  agentName_.Show(kind == kAgencyPhone ? SW_SHOW : SW_HIDE);
  contactPerson_.Show(hasContactPerson(kind) ? SW_SHOW : SW_HIDE);
  // The number's tooltip follows the kind.
  number_.Create(*dialog(), kNoControl, ids::kNumber, 0, kNumberLimit, "", kKinds[kind].numberTip,
                 fields::kModification);
  number_.Clear();
}

bool CPNRAddPhoneFax::ValidateFields() {
  const PhoneKind kind = SelectedKind();
  if (kind == kAgencyPhone) {
    if (!checkName(agencyName_, " ", "ERR_VESPIN4_AGENCYNAME_ALPHANUM_FIELD")) return false;
    if (!checkName(agentName_, "", "ERR_VESPIN4_AGENTNAME_ALPHANUM_FIELD")) return false;
  } else if (hasContactPerson(kind)) {
    if (!checkName(contactPerson_, " ", "ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD")) return false;
  }
  if (isBlank(number_)) {
    number_.ReportError(fields::kPhoneKinds[kind].missingKey);
    return false;
  }
  if (!CTorvanValidate().IsAlphanumericEx(number_.GetText(), "- ")) {
    number_.ReportError(kind == kFaxPhone
                            ? "ERR_AUXCARMODIFY_FAXNUM_ALPHANUM_FIELD"
                            : "ERR_AUXAIRPORTCITY_INVALID_NON_ALPHA_NUM_PHONE_NUMBER");
    return false;
  }
  return true;
}

std::string CPNRAddPhoneFax::BuildCommand() const {
  const PhoneKind kind = SelectedKind();
  std::string command = "9 " + number_.GetText();
  if (kind == kAgencyPhone) {
    const bool withAgency = !isBlank(agencyName_);
    if (withAgency) command += " " + agencyName_.GetText();
    if (!isBlank(agentName_)) command += (withAgency ? "/" : " ") + agentName_.GetText();
  } else if (hasContactPerson(kind) && !isBlank(contactPerson_)) {
    command += contactPerson_.GetText();
  }
  return command + std::string(kKinds[kind].suffix);
}
