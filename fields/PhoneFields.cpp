#include "fields/PhoneFields.h"

#include "framework/HostCommand.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using framework::kChangeMark;
using platform::Window;

namespace {

constexpr int kPhoneLength = 40;

// The host takes none of these in a phone number.
std::size_t firstForbiddenCharacter(std::string_view number) {
  return number.find_first_of("I.*/");
}

// "9", then for a change the line number and the change mark.
std::string phoneLineStart(LinePrefix prefix) {
  std::string line = "9";
  if (prefix) {
    line += *prefix;
    line += kChangeMark;
  }
  return line;
}

// The common check of every phone number: empty is a fault only when mandatory, a forbidden
// character is reported with that character selected.
int validatePhoneNumber(CField& field, std::string_view noneKey, std::string_view wrongKey) {
  const std::string number = field.GetText(kFieldBuffer);
  if (const auto outcome = field.CheckEmpty(number, noneKey)) return *outcome;
  const std::size_t bad = firstForbiddenCharacter(number);
  if (bad == std::string::npos) return 1;
  field.ReportErrorAt(wrongKey, bad);
  return 0;
}

}  // namespace

int CFieldFaxNo::Create(Window& dialog, int labelId, int valueId, int mandatory, int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, kPhoneLength, "LAB_PNR_FAXNO",
                        "TIP_PNR_FAXNO", modification);
}

int CFieldFaxNo::Validate() {
  return validatePhoneNumber(*this, "ERR_PNR_FAXNO_NONE", "ERR_PNR_FAXNO_WRONG");
}

std::string CFieldFaxNo::BuildFragment(LinePrefix prefix) const {
  const std::string number = GetText(kFieldBuffer);
  if (number.empty()) return {};
  return (prefix ? phoneLineStart(prefix) : "9 ") + number + "-F";
}

int CFieldTelNo::Create(Window& dialog, int labelId, int valueId, int mandatory,
                        std::string_view labKey, std::string_view tipKey, int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, kPhoneLength, labKey, tipKey,
                        modification);
}

int CFieldTelNo::Validate() {
  return validatePhoneNumber(*this, "ERR_PNR_TELNO_NONE", "ERR_PNR_HOMENO_WRONG");
}

int CFieldHomeNo::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CFieldTelNo::Create(dialog, labelId, valueId, mandatory, "LAB_PNR_HOMENO",
                             "TIP_PNR_HOMENO", kModification);
}

std::string CFieldHomeNo::BuildFragment(LinePrefix prefix) const {
  return phoneLineStart(prefix) + GetText(kShortBuffer) + "-H";
}

int CFieldMobNo::Create(Window& dialog, int labelId, int valueId, int mandatory) {
  return CFieldTelNo::Create(dialog, labelId, valueId, mandatory, "LAB_PH_NO", "TOOLTIP_MOB_PH_NO",
                             kModification);
}

std::string CFieldMobNo::BuildFragment(LinePrefix prefix) const {
  return phoneLineStart(prefix) + GetText(kShortBuffer) + "-C";
}

int CFieldPerson::Create(Window& dialog, int labelId, int valueId, int mandatory,
                         int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 20, "LAB_PNR_PERSON", "TIP_PNR_PERSON",
                        modification);
}

int CFieldPerson::Validate() {
  return CheckRequired("ERR_PNR_PERSON_NONE");
}

int CFieldAgencyName::Create(Window& dialog, int labelId, int valueId, int mandatory,
                             int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 50, "LAB_PNR_AGENCYNAME",
                        "TIP_PNR_AGENCYNAME", modification);
}

int CFieldAgencyName::Validate() {
  const std::string name = GetText(kFieldBuffer);
  if (!name.empty() && CTorvanValidate().IsNumeric(name.substr(0, 1)) != 0) {
    ReportErrorAt("ERR_PNR_AGENCYNAME_1STCHAR", 0);
    return 0;
  }
  if (name.empty() && IsMandatory() != 0) {
    ReportError("ERR_PNR_AGENCYNAME_NONE");
    return 0;
  }
  return 1;
}

int CFieldAgentName::Create(Window& dialog, int labelId, int valueId, int mandatory,
                            int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 15, "LAB_PNR_AGENTNAME",
                        "TIP_PNR_AGENTNAME", modification);
}

int CFieldAgentName::Validate() {
  return CheckRequired("ERR_PNR_AGENTNAME_SHORT");
}

int CFieldBusTel::Create(Window& dialog, int telLabelId, int telValueId, int personLabelId,
                         int personValueId, int personMandatory, int modification) {
  dialog_ = &dialog;
  mandatory_ = personMandatory;
  person_.Create(dialog, personLabelId, personValueId, personMandatory, modification);
  telephone_.Create(dialog, telLabelId, telValueId, 1, "LAB_PNR_BUSTEL", "TIP_PNR_BUSTEL",
                    modification);
  return 1;
}

int CFieldBusTel::Validate() {
  return telephone_.Validate() && person_.Validate();
}

std::string CFieldBusTel::BuildFragment(LinePrefix prefix) const {
  std::string fragment = phoneLineStart(prefix);
  const std::string telephone = telephone_.GetText(kShortBuffer);
  const std::string person = person_.GetText(kShortBuffer);
  if (!telephone.empty()) fragment += " " + telephone;
  if (!person.empty()) fragment += " " + person;
  return fragment + "-B";
}

void CFieldBusTel::Save(CTorvanProfile& profile) const {
  person_.Save(profile, "PERSON");
  telephone_.Save(profile, "BUSTEL");
}

void CFieldBusTel::Load(CTorvanProfile& profile) {
  person_.Load(profile, "PERSON");
  telephone_.Load(profile, "BUSTEL");
}

void CFieldBusTel::Clear() {
  person_.Clear();
  telephone_.Clear();
}

void CFieldBusTel::Enable(int flag) {
  person_.Enable(flag);
  telephone_.Enable(flag);
}

int CFieldAgencyTel::Create(Window& dialog, int agencyLabelId, int agencyValueId, int agentLabelId,
                            int agentValueId, int telLabelId, int telValueId, int namesMandatory,
                            int modification) {
  dialog_ = &dialog;
  mandatory_ = namesMandatory;
  agencyName_.Create(dialog, agencyLabelId, agencyValueId, namesMandatory, modification);
  agentName_.Create(dialog, agentLabelId, agentValueId, namesMandatory, modification);
  telephone_.Create(dialog, telLabelId, telValueId, 1, "LAB_PNR_AGENCYTEL", "TIP_PNR_AGENCYTEL",
                    modification);
  return 1;
}

int CFieldAgencyTel::Validate() {
  return telephone_.Validate() && agencyName_.Validate() && agentName_.Validate();
}

std::string CFieldAgencyTel::BuildFragment(LinePrefix prefix) const {
  std::string fragment = phoneLineStart(prefix);
  const std::string telephone = telephone_.GetText(kShortBuffer);
  const std::string agency = agencyName_.GetText(kFieldBuffer);
  const std::string agent = agentName_.GetText(kShortBuffer);
  if (!telephone.empty()) fragment += " " + telephone;
  if (!agency.empty()) fragment += " " + agency;
  if (!agent.empty()) fragment += (agency.empty() ? " " : "/") + agent;
  return fragment + "-A";
}

void CFieldAgencyTel::Save(CTorvanProfile& profile) const {
  telephone_.Save(profile, "AGENTTEL");
  agencyName_.Save(profile, "AGENCYNAME");
  agentName_.Save(profile, "AGENTNAME");
}

void CFieldAgencyTel::Load(CTorvanProfile& profile) {
  telephone_.Load(profile, "AGENTTEL");
  agencyName_.Load(profile, "AGENCYNAME");
  agentName_.Load(profile, "AGENTNAME");
}

void CFieldAgencyTel::Clear() {
  agencyName_.Clear();
  agentName_.Clear();
  telephone_.Clear();
}

void CFieldAgencyTel::Enable(int flag) {
  agencyName_.Enable(flag);
  agentName_.Enable(flag);
  telephone_.Enable(flag);
}

}  // namespace fields
