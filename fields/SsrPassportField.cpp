#include "fields/SsrPassportField.h"

#include <array>
#include <cctype>

#include "fields/ScanNumber.h"
#include "framework/MainSettings.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using namespace platform;

namespace {

constexpr std::array<std::string_view, 2> kRequestTypes{"PSPT", "3OTHS"};

struct Gender {
  std::string_view name;
  std::string_view code;
};
constexpr std::array<Gender, 4> kGenders{
    {{"MALE", "M"}, {"FEMALE", "F"}, {"MALE INFANT", "MI"}, {"FEMALE INFANT", "FI"}}};

std::string countryCodeTable() {
  CTorvanProfile profile;
  profile.setIniFile(framework::mainSettingsFile());
  profile.setSectionName("ENCODER");
  profile.setKeyName("ENCODER_COUNTRY");
  std::string table;
  profile.getValue(table, "", kNumberBuffer);
  return table;
}

// A date of birth read as "%5s%d": up to five characters of day and month (after white
// space), then a number. Nothing when either part is missing.
struct DateOfBirth {
  std::string dayAndMonth;
  int year;
};
std::optional<DateOfBirth> readDateOfBirth(std::string_view text) {
  const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t start = 0;
  while (start < text.size() && isSpace(text[start])) ++start;
  std::size_t end = start;
  while (end < text.size() && end - start < 5 && !isSpace(text[end])) ++end;
  if (end == start) return std::nullopt;
  const auto year = scanNumber(text, end);
  if (!year) return std::nullopt;
  return DateOfBirth{std::string(text.substr(start, end - start)), year->value};
}

void enableWindow(Window* window, bool enabled) {
  if (window != nullptr) window->enable(enabled);
}

}  // namespace

int CFieldSsrPassport::Create(Window& dialog, int typeLabelId, int typeComboId, int passportLabelId,
                              int passportEditId, int nationalityLabelId, int nationalityEditId,
                              int surnameLabelId, int surnameEditId, int givenLabelId,
                              int givenEditId, int segmentLabelId, int segmentEditId,
                              int holderCheckId, int nameSelectLabelId, int nameSelectEditId,
                              int dobLabelId, int dobEditId, int genderLabelId, int genderComboId,
                              int typeMandatory, int modification) {
  dialog_ = &dialog;
  holderCheckId_ = holderCheckId;
  typeMandatory_ = typeMandatory;
  modification_ = modification;
  nationalityTable_ = countryCodeTable();
  holder_.Create(dialog, surnameLabelId, surnameEditId, givenLabelId, givenEditId, 0, modification);
  bindLabel(typeLabel_, dialog, typeLabelId, "LAB_PNR_TYPE", "TIP_PNR_TYPE", typeMandatory);
  passport_.Create(dialog, passportLabelId, passportEditId, 1, 25, "LAB_PNR_PASSPORTNO",
                   "TIP_PNR_PASSPORTNO", modification);
  // The nationality label shows the link colour, red.
  nationality_.Create(dialog, nationalityLabelId, nationalityEditId, 1, 3, "LAB_PNR_NATIONALITY",
                      "TIP_PNR_NATIONALITY", modification);
  segment_.Create(dialog, segmentLabelId, segmentEditId, 0, 15, "LAB_PNR_SEGNO", "TIP_PNR_SEGNO",
                  modification);
  holderCheck_ = dialog.child(holderCheckId);
  bindLabel(holderLabel_, dialog, holderCheckId, "LAB_PNR_PRIMARYHOLDER", "TIP_PNR_PRIMARYHOLDER",
            0);
  nameSelect_.Create(dialog, nameSelectLabelId, nameSelectEditId, 0, 23, "LAB_PNR_NAMESELECT",
                     "TIP_PNR_NAMESELECT", modification);
  dateOfBirth_.Create(dialog, dobLabelId, dobEditId, 0, 7, "LAB_PNR_DOB", "TIP_PNR_DOB",
                      modification);
  // The nationality opens the countries' code lookup, the date of birth the calendar.
  nationality_.SetLabelMode(2, nationalityTable_);
  dateOfBirth_.SetLabelMode(1);
  bindLabel(genderLabel_, dialog, genderLabelId, "LAB_PNR_GENDER", "TIP_PNR_GENDER", 0);
  type_.Create(dialog, typeComboId, typeMandatory, kRequestTypes);
  genderCombo_ = dialog.child(genderComboId);
  if (genderCombo_ != nullptr) {
    for (std::size_t index = 0; index < kGenders.size(); ++index) {
      genderCombo_->addEntry(std::string(kGenders[index].name), static_cast<std::intptr_t>(index));
    }
  }
  UpdateEnabling();
  return 1;
}

bool CFieldSsrPassport::ProcessWindowMessage(const Message& message, LRESULT&) {
  if (type_.IsSelectionAccepted(message)) {
    UpdateEnabling();
  } else if (message.code == WM_COMMAND && lowWord(message.wParam) == holderCheckId_ &&
             highWord(message.wParam) == BN_CLICKED) {
    ColourNameSelect();
  }
  return false;
}

bool CFieldSsrPassport::IsPrimaryHolder() const {
  return holderCheck_ != nullptr && holderCheck_->checkState() == 1;
}

void CFieldSsrPassport::ColourNameSelect() {
  nameSelect_.SetMandatory(IsPrimaryHolder() ? 1 : 0);
}

void CFieldSsrPassport::UpdateEnabling() {
  // Only the empty entry switches the request off; no selection leaves it on. The type label
  // and the two link labels stay enabled.
  const bool enabled = type_.Code() != kNoType;
  passport_.Enable(enabled ? 1 : 0);
  segment_.Enable(enabled ? 1 : 0);
  nameSelect_.Enable(enabled ? 1 : 0);
  enableWindow(genderLabel_.window(), enabled);
  holder_.Enable(enabled ? 1 : 0);
  enableWindow(nationality_.EditWindow(), enabled);
  enableWindow(dateOfBirth_.EditWindow(), enabled);
  enableWindow(genderCombo_, enabled);
  enableWindow(holderCheck_, enabled);
  ColourNameSelect();
}

int CFieldSsrPassport::Validate() {
  const CTorvanValidate validate;
  const std::optional<int> code = type_.Code();
  if (!code) {
    reportFault(dialog_, modification_, "ERR_PNR_TYPE_NONE", type_.window());
    return 0;
  }
  if (*code == kNoType) return 1;
  const std::string passport = passport_.GetText(kFieldBuffer);
  if (passport.empty()) {
    passport_.ReportError("ERR_PNRSSR_PASPORT_NUM_EMPTY");
    return 0;
  }
  if (validate.IsAlphanumeric(passport) == 0) {
    passport_.ReportError("ERR_PNRSSR_NONALPHANUMERIC_PASPORT_NUM");
    return 0;
  }
  const std::string nationality = nationality_.GetText(kFieldBuffer);
  if (nationality.size() < 2) {
    nationality_.ReportError("ERR_PNR_NATIONALITY_SHORT");
    return 0;
  }
  if (validate.IsAlphanumeric(nationality) == 0) {
    nationality_.ReportError("ERR_PNR_NATIONALITY_NONALPHANUMERIC");
    return 0;
  }
  if (holder_.Validate() == 0) return 0;
  if (IsPrimaryHolder() && nameSelect_.GetText(kFieldBuffer).empty()) {
    nameSelect_.ReportError("ERR_PNR_NAMESELECT_NONE");
    return 0;
  }
  // The segment is the host's to check.
  return ValidateDateOfBirth();
}

int CFieldSsrPassport::ValidateDateOfBirth() {
  const std::string date = dateOfBirth_.GetText(kFieldBuffer);
  if (date.empty()) return 1;
  if (date.size() < 7) {
    dateOfBirth_.ReportError("ERR_PNR_DATE_SHORT");
    return 0;
  }
  // The date goes out as typed, so a year with a sign ("01JAN+7", "01JAN-0") is refused
  // although it reads as a number in range.
  const std::optional<DateOfBirth> read = readDateOfBirth(date);
  if (read && CTorvanValidate().IsDate(read->dayAndMonth) != 0 && read->year >= 0 &&
      read->year <= 99 && date.find_first_of("+-") == std::string::npos) {
    return 1;
  }
  dateOfBirth_.ReportError("ERR_PNR_DATE_INVALID");
  return 0;
}

std::string CFieldSsrPassport::GenderCode() const {
  const ListEntry* chosen =
      genderCombo_ != nullptr ? genderCombo_->entry(genderCombo_->currentEntry()) : nullptr;
  if (chosen == nullptr || chosen->data < 0 ||
      chosen->data >= static_cast<std::intptr_t>(kGenders.size())) {
    return {};
  }
  return std::string(kGenders[static_cast<std::size_t>(chosen->data)].code);
}

std::string CFieldSsrPassport::BuildFragment() const {
  const int code = type_.Code().value_or(kNoType);
  if (code == kNoType) return {};
  const std::string segment = segment_.GetText(kFieldBuffer);
  const std::string passport = passport_.GetText(kFieldBuffer);
  const std::string nationality = nationality_.GetText(kFieldBuffer);
  const std::string date = dateOfBirth_.GetText(kFieldBuffer);
  const std::string surname = holder_.GetSurname(kFieldBuffer);
  const std::string given = holder_.GetGivenName(kFieldBuffer);
  const std::string gender = GenderCode();
  const std::string nameSelect = nameSelect_.GetText(kFieldBuffer);
  const bool primary = IsPrimaryHolder();

  if (code == kPassport) {
    std::string request = "3PSPT" + segment + "/" + passport + "/" + nationality + "/" + date +
                          "/" + surname + "/" + given + "/" + gender + "/" + (primary ? "H" : "");
    if (!nameSelect.empty()) request += "-" + nameSelect;
    // Empty elements at the end leave no slashes.
    while (!request.empty() && request.back() == '/') request.pop_back();
    return request;
  }
  std::string request = "3OTHS" + segment + "/PSPT " + passport + " " + nationality;
  if (!date.empty()) request += " " + date;
  if (!surname.empty() && !given.empty()) request += " " + surname + " " + given;
  if (!gender.empty()) request += " " + gender;
  if (primary) request += " H";
  if (!nameSelect.empty()) request += "-" + nameSelect;
  return request;
}

int CFieldSsrPassport::Save(CTorvanProfile& profile) const {
  type_.Save(profile, "TYPE3");
  passport_.Save(profile, "PASSPORTNO3");
  nationality_.Save(profile, "NATIONALITY3");
  segment_.Save(profile, "SEGNO3");
  profile.setKeyName("HOLDER3");
  profile.setValue(IsPrimaryHolder() ? "1" : "0");
  nameSelect_.Save(profile, "NAMESELECT3");
  dateOfBirth_.Save(profile, "DOB3");
  saveSelectedEntry(genderCombo_, profile, "GENDER3");
  holder_.Save(profile, "SURNAME3", "GIVENNAME3");
  return 1;
}

int CFieldSsrPassport::Load(CTorvanProfile& profile) {
  type_.Load(profile, "TYPE3");
  passport_.Load(profile, "PASSPORTNO3");
  nationality_.Load(profile, "NATIONALITY3");
  segment_.Load(profile, "SEGNO3");
  holder_.Load(profile, "SURNAME3", "GIVENNAME3");
  profile.setKeyName("HOLDER3");
  std::string holder;
  profile.getValue(holder, "", kLoadBuffer);
  if (holderCheck_ != nullptr) holderCheck_->setCheckState(holder == "1" ? 1 : 0);
  nameSelect_.Load(profile, "NAMESELECT3");
  dateOfBirth_.Load(profile, "DOB3");
  if (genderCombo_ != nullptr) genderCombo_->setCurrentEntry(-1);
  selectStoredEntry(genderCombo_, profile, "GENDER3");
  UpdateEnabling();
  return 1;
}

void CFieldSsrPassport::Clear() {
  holder_.Clear();
  type_.SelectFirst();
  passport_.Clear();
  nationality_.Clear();
  segment_.Clear();
  nameSelect_.Clear();
  dateOfBirth_.Clear();
  if (genderCombo_ != nullptr) genderCombo_->setCurrentEntry(-1);
  // A cleared request holds no primary-holder mark either.
  if (holderCheck_ != nullptr) holderCheck_->setCheckState(0);
  UpdateEnabling();
}

}  // namespace fields
