#include "fields/NameFields.h"

#include <algorithm>

#include "framework/services/CTorvanValidate.h"

namespace fields {

using platform::Window;

int CFieldSurname::Create(Window& dialog, int labelId, int valueId, int mandatory,
                          int minimumLength, int modification) {
  minimumLength_ = minimumLength;
  return CField::Create(dialog, labelId, valueId, mandatory, 30, "LAB_PNR_SURNAME",
                        "TIP_PNR_SURNAME", modification);
}

int CFieldSurname::Validate() {
  const std::string surname = GetText(kNumberBuffer);
  if (surname.empty()) {
    ReportError("ERR_PNR_SURNAME_NONE");
    return 0;
  }
  if (surname.size() < static_cast<std::size_t>(std::max(minimumLength_, 0))) {
    ReportError("ERR_PNR_SURNAME_SHORT");
    return 0;
  }
  if (CTorvanValidate().IsAlpha(surname) == 0) {
    ReportError("ERR_PNR_SURNAME_NONALPHA");
    return 0;
  }
  return 1;
}

int CFieldGivenName::Create(Window& dialog, int labelId, int valueId, int mandatory,
                            int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 32, "LAB_PNR_GIVENNAME",
                        "TIP_PNR_GIVENNAME", modification);
}

int CFieldGivenName::Validate() {
  const std::string givenName = GetText(kFieldBuffer);
  if (givenName.empty()) {
    ReportError("ERR_PNR_GIVENNAME_NONE");
    return 0;
  }
  if (CTorvanValidate().IsAlphaEx(givenName, "/") == 0) {
    ReportError("ERR_PNR_GIVENNAME_NONALPHA");
    return 0;
  }
  return 1;
}

int CFieldTitle::Create(Window& dialog, int labelId, int valueId, int mandatory, int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 12, "LAB_PNR_TITLE", "TIP_PNR_TITLE",
                        modification);
}

int CFieldTitle::Validate() {
  const std::string title = GetText(kNumberBuffer);
  if (title.empty() && IsMandatory() == 0) return 1;
  if (title.size() < 2) {
    ReportError("ERR_PNR_TITLE_SHORT");
    return 0;
  }
  if (CTorvanValidate().IsAlpha(title) == 0) {
    ReportError("ERR_PNR_TITLE_NONALPHA");
    return 0;
  }
  return 1;
}

int CFieldName::Create(Window& dialog, int surnameLabelId, int surnameValueId, int givenLabelId,
                       int givenValueId, int mandatory, int modification) {
  dialog_ = &dialog;
  mandatory_ = mandatory;
  modification_ = modification;
  surname_.Create(dialog, surnameLabelId, surnameValueId, mandatory, 2, modification);
  givenName_.Create(dialog, givenLabelId, givenValueId, mandatory, modification);
  return 1;
}

int CFieldName::Validate() {
  const bool hasSurname = !surname_.GetText(kFieldBuffer).empty();
  const bool hasGivenName = !givenName_.GetText(kFieldBuffer).empty();
  if (hasSurname && hasGivenName) return surname_.Validate() && givenName_.Validate();
  if (hasSurname) {
    givenName_.ReportError("ERR_PNR_GIVENNAME_NONE");
    return 0;
  }
  if (!hasGivenName && mandatory_ == 0) return 1;
  surname_.ReportError("ERR_PNR_SURNAME_NONE");
  return 0;
}

int CFieldName::Save(CTorvanProfile& profile, std::string_view surnameKey,
                     std::string_view givenKey) const {
  surname_.Save(profile, surnameKey);
  givenName_.Save(profile, givenKey);
  return 1;
}

int CFieldName::Load(CTorvanProfile& profile, std::string_view surnameKey,
                     std::string_view givenKey) {
  surname_.Load(profile, surnameKey);
  givenName_.Load(profile, givenKey);
  return 1;
}

void CFieldName::Clear() {
  surname_.Clear();
  givenName_.Clear();
}

void CFieldName::Enable(int flag) {
  surname_.Enable(flag);
  givenName_.Enable(flag);
}

void CFieldName::SetSurname(std::string_view text) {
  surname_.SetText(text);
}

std::string CFieldName::GetSurname(std::size_t bufferSize) const {
  return surname_.GetText(bufferSize);
}

void CFieldName::SetGivenName(std::string_view text) {
  givenName_.SetText(text);
}

std::string CFieldName::GetGivenName(std::size_t bufferSize) const {
  return givenName_.GetText(bufferSize);
}

void CFieldName::SelectSurname() {
  surname_.SelectAll();
}

}  // namespace fields
