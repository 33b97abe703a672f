#include "masks/passenger/PNRModificationPhone.h"

namespace ids = resources::pnr_modification_phone;
using namespace platform;
using fields::kAgencyPhone;
using fields::kBusinessPhone;
using fields::kFaxPhone;
using fields::kHomePhone;
using fields::kMobilePhone;
using fields::kPhoneKindCount;
using fields::PhoneKind;

namespace {

// The character rule of every number and name: letters, digits, "-" and blanks.
constexpr std::string_view kPhoneCharacters = "- ";

// The fault of each kind's number that breaks the character rule.
constexpr std::array<std::string_view, kPhoneKindCount> kInvalidNumberKeys{
    "ERR_PNR_AGENCY_NUM_INVALID", "ERR_PNR_BUS_NUM_INVALID", "ERR_PNR_HOME_NUM_INVALID",
    "ERR_PNR_MOB_NUM_INVALID", "ERR_CARSELL_FAX_NUM_INVALID"};

}  // namespace

// Saved after the marker: the line, the kind, and only the chosen kind's number and names; the
// kind is applied again when saving, and before the chosen kind's values are loaded.
CPNRModificationPhone::CPNRModificationPhone() {
  using fields::kModification;
  fields().declare(lineNo_, "LINENO", ids::kLineLabel, ids::kLineNumber, 0, kModification);
  fields().declare(type_, "", ids::kTypeLabel, ids::kType, 1, 0, "LAB_PNR_TYPE", "TIP_PNR_TYPE",
                   kModification);
  fields().declare(typeList_, "TYPE", ids::kType);
  const auto applyKind = [this] { ApplyKind(); };
  fields().declareKept([applyKind](CTorvanProfile&) { applyKind(); },
                       [applyKind](CTorvanProfile&) { applyKind(); }, applyKind);
  const auto chosen = [this](PhoneKind kind) {
    return [this, kind] { return SelectedKind() == kind; };
  };
  const auto keptWhenChosen = [&](framework::FieldTable::Declaration& declared, PhoneKind kind) {
    declared.savedOnlyWhen(chosen(kind)).loadedOnlyWhen(chosen(kind));
  };
  keptWhenChosen(fields().declare(agencyTel_, "", ids::kAgencyNameLabel, ids::kAgencyName,
                                  ids::kAgentNameLabel, ids::kAgentName, ids::kAgencyTelLabel,
                                  ids::kAgencyTel, 0, kModification),
                 kAgencyPhone);
  keptWhenChosen(fields().declare(businessTel_, "", ids::kBusinessTelLabel, ids::kBusinessTel,
                                  ids::kPersonLabel, ids::kPerson, 0, kModification),
                 kBusinessPhone);
  keptWhenChosen(fields().declare(home_, "HOMENO", ids::kHomeLabel, ids::kHome, 1), kHomePhone);
  keptWhenChosen(fields().declare(mobile_, "HOMENO", ids::kMobileLabel, ids::kMobile, 1),
                 kMobilePhone);
  keptWhenChosen(fields().declare(fax_, "FAXNO", ids::kFaxLabel, ids::kFax, 1, kModification),
                 kFaxPhone);
}

void CPNRModificationPhone::BindFields(Window& dialog) {
  fields::addPhoneKindEntries(*dialog.child(ids::kType));
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

std::optional<PhoneKind> CPNRModificationPhone::SelectedKind() const {
  return fields::selectedPhoneKind(*dialog()->child(ids::kType));
}

// The names are closed unless the kind opens them; of the five numbers only the kind's shows
// (none while no kind is chosen).
void CPNRModificationPhone::ApplyKind() {
  for (int id : ids::kNameControls) dialog()->child(id)->enable(false);
  const std::optional<PhoneKind> kind = SelectedKind();
  if (kind == kAgencyPhone) agencyTel_.Enable(1);
  if (kind == kBusinessPhone) businessTel_.Enable(1);
  if (kind == kHomePhone) home_.Enable(1);
  if (kind == kMobilePhone) mobile_.Enable(1);
  if (kind == kFaxPhone) fax_.Enable(1);
  for (int each = 0; each < kPhoneKindCount; ++each) {
    const int command = kind == each ? SW_SHOW : SW_HIDE;
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

bool CPNRModificationPhone::CheckNumber(PhoneKind kind) {
  Window& dialog = *this->dialog();
  const int number = ids::kNumbers[kind].edit;
  if (mask().CheckMandatory(dialog, number, kTraits.caption,
                            fields::kPhoneKinds[kind].missingKey) == 0 ||
      mask().CheckAlphanumericEx(dialog, number, kTraits.caption, kInvalidNumberKeys[kind],
                                 kPhoneCharacters) == 0) {
    return false;
  }
  if (kind == kAgencyPhone) {
    return CheckOptionalCharacters(ids::kAgencyName, "ERR_VESPIN4_AGENCYNAME_ALPHANUM_FIELD") &&
           CheckOptionalCharacters(ids::kAgentName, "ERR_VESPIN4_AGENTNAME_ALPHANUM_FIELD");
  }
  if (kind == kBusinessPhone) {
    return CheckOptionalCharacters(ids::kPerson, "ERR_VESPIN4_CONTPERSON_ALPHANUM_FIELD");
  }
  return true;
}

// The kind's number and names, the line, then the kind's field by its own rules.
bool CPNRModificationPhone::ValidateFields() {
  const std::optional<PhoneKind> kind = SelectedKind();
  if (!kind) {
    type_.ReportError("ERR_PNR_TYPE_NONE");
    return false;
  }
  if (!CheckNumber(*kind) || lineNo_.Validate() == 0) return false;
  switch (*kind) {
    case kAgencyPhone:
      return agencyTel_.Validate() != 0;
    case kBusinessPhone:
      return businessTel_.Validate() != 0;
    case kHomePhone:
      return home_.Validate() != 0;
    case kMobilePhone:
      return mobile_.Validate() != 0;
    default:
      return fax_.Validate() != 0;
  }
}

std::string CPNRModificationPhone::BuildCommand() const {
  const std::string line = lineNo_.GetText(fields::kShortBuffer);
  switch (SelectedKind().value_or(kPhoneKindCount)) {
    case kAgencyPhone:
      return agencyTel_.BuildFragment(line);
    case kBusinessPhone:
      return businessTel_.BuildFragment(line);
    case kHomePhone:
      return home_.BuildFragment(line);
    case kMobilePhone:
      return mobile_.BuildFragment(line);
    case kFaxPhone:
      return fax_.BuildFragment(line);
    case kPhoneKindCount:
      break;
  }
  return {};
}
