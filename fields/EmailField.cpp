#include "fields/EmailField.h"

#include "framework/HostCommand.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using framework::kChangeMark;
using framework::kFreeTextMark;
using platform::Window;

int CFieldEmail::Create(Window& dialog, int emailLabelId, int emailEditId, int freeTextLabelId,
                        int freeTextEditId, int paxLabelId, int paxEditId, int mandatory,
                        int modification) {
  dialog_ = &dialog;
  mandatory_ = mandatory;
  modification_ = modification;
  hasLabels_ = emailLabelId != -1 ? 1 : 0;
  const bool labelled = hasLabels_ != 0;
  email_.Create(dialog, labelled ? emailLabelId : -1, emailEditId, mandatory, 40, "LAB_PNR_EMAIL",
                "TIP_PNR_EMAIL", modification);
  freeText_.Create(dialog, labelled ? freeTextLabelId : -1, freeTextEditId, 0, 30,
                   "LAB_PNR_FREETEXT", "TIP_PNR_EMAILFREETEXT", modification);
  passenger_.Create(dialog, labelled ? paxLabelId : -1, paxEditId, 0, 17, "LAB_PNR_PAXNAME",
                    "TIP_PNR_PAXNAME", modification);
  return 1;
}

int CFieldEmail::Validate() {
  const CTorvanValidate validate;
  const std::string address = email_.GetText(kFieldBuffer);
  if (address.empty()) {
    if (mandatory_ == 0) return 1;
    email_.ReportError("ERR_PNR_EMAIL_NONE");
    return 0;
  }
  if (address.size() < 5) {
    email_.ReportError("ERR_PNR_EMAIL_SHORT");
    return 0;
  }
  const std::size_t at = address.find('@');
  if (at == std::string::npos) {
    email_.ReportError("ERR_PNR_EMAIL_NOAT");
    return 0;
  }
  if (const std::size_t second = address.find('@', at + 1); second != std::string::npos) {
    email_.ReportErrorAt("ERR_PNR_EMAIL_MANYAT", second);
    return 0;
  }
  if (validate.IsAlphanumericEx(address, "_@.-") == 0) {
    email_.ReportError("ERR_VESPIN1_EMAIL_ALPHANUM_FIELD");
    return 0;
  }
  // Letters, digits and spaces only; that also keeps out "!#$%^&()[]\;:?".
  const std::string freeText = freeText_.GetText(kShortBuffer);
  if (!freeText.empty() && validate.IsAlphanumericEx(freeText, " ") == 0) {
    freeText_.ReportError("ERR_PNR_EMAILFREETEXT_NONALPHANUMERIC");
    return 0;
  }
  // The passenger name or selection is the host's to check.
  return 1;
}

std::string CFieldEmail::BuildFragment(LinePrefix prefix) const {
  const std::string address = email_.GetText(kFieldBuffer);
  if (address.empty()) return {};
  std::string fragment = "PE";
  if (prefix) {
    fragment += *prefix;
    fragment += kChangeMark;
  }
  fragment += kFreeTextMark;
  fragment += framework::hostEmailAddress(address);
  fragment += kFreeTextMark;
  fragment += freeText_.GetText(kFieldBuffer);
  if (const std::string passenger = passenger_.GetText(kFieldBuffer); !passenger.empty()) {
    fragment += "-" + passenger;
  }
  return fragment;
}

int CFieldEmail::Save(CTorvanProfile& profile) const {
  email_.Save(profile, "EMAIL");
  freeText_.Save(profile, "FREETEXT");
  passenger_.Save(profile, "PAXNAMESELECT");
  return 1;
}

int CFieldEmail::Load(CTorvanProfile& profile) {
  email_.Load(profile, "EMAIL");
  freeText_.Load(profile, "FREETEXT");
  passenger_.Load(profile, "PAXNAMESELECT");
  return 1;
}

void CFieldEmail::Clear() {
  email_.Clear();
  freeText_.Clear();
  passenger_.Clear();
}

void CFieldEmail::SetEmail(std::string_view text) {
  email_.SetText(text);
}

}  // namespace fields
