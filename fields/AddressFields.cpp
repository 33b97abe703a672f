#include "fields/AddressFields.h"

#include "fields/FieldParts.h"
#include "framework/HostCommand.h"
#include "framework/MainSettings.h"
#include "framework/services/CTorvanValidate.h"
#include "framework/services/TorvanArch.h"

namespace fields {

using platform::Window;

namespace {

// A value of the agent's profile: section "USER" of the whiteboard, up to 1000 characters.
std::string profileValue(std::string_view key) {
  std::string value;
  WHITEBOARD_getString("USER", key, "", value, kNumberBuffer, kWhiteboardName);
  return value;
}

// "%s %s" of two profile values, or nothing when both are empty.
std::optional<std::string> joinedProfileValues(std::string_view firstKey,
                                               std::string_view secondKey) {
  const std::string first = profileValue(firstKey);
  const std::string second = profileValue(secondKey);
  if (first.empty() && second.empty()) return std::nullopt;
  return first + " " + second;
}

bool isCapitalLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

}  // namespace

int CFieldAddress::Create(Window& dialog, int labelId, int valueId, int mandatory,
                          int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 50, "LAB_PNR_ADDRESS",
                        "TIP_PNR_ADDRESS", modification);
}

int CFieldAddress::Validate() {
  return CheckRequired("ERR_PNR_ADDRESS_NONE");
}

int CFieldGrpName::Create(Window& dialog, int labelId, int valueId, int mandatory,
                          int minimumLength, int modification) {
  minimumLength_ = minimumLength;
  return CField::Create(dialog, labelId, valueId, mandatory, 40, "LAB_PNR_GRPNAME",
                        "TIP_PNR_GRPNAME", modification);
}

int CFieldGrpName::Validate() {
  const std::string name = GetText(kFieldBuffer);
  if (name.empty()) {
    ReportError("ERR_RETPNR_GRPNAME_MINVAL_FIELD1");
    return 0;
  }
  if (static_cast<long long>(name.size()) < minimumLength_) {
    ReportError("ERR_PNR_GRPNAME_SHORT");
    return 0;
  }
  if (name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ /") != std::string::npos) {
    ReportError("ERR_PNR_GRPNAME_INVALID");
    SelectAll();
    return 0;
  }
  if (name.size() >= 2 && !(isCapitalLetter(name[0]) && isCapitalLetter(name[1]))) {
    ReportError("ERR_PNR_GRPNAME_PREFIX");
    return 0;
  }
  return 1;
}

int CFieldCarrierCode::Create(Window& dialog, int labelId, int valueId, int mandatory,
                              int modification) {
  if (CField::Create(dialog, labelId, valueId, mandatory, 2, "LAB_PNR_CARRIERCODE",
                     "TIP_PNR_CARRIERCODE", modification) == 0) {
    return 0;
  }
  CTorvanProfile settings;
  settings.setIniFile(framework::mainSettingsFile());
  settings.setSectionName("ENCODER");
  settings.setKeyName("ENCODER_CARRIER");
  settings.getValue(lookupTable_, "", kSaveBuffer);
  // The label is a link to the carriers' code lookup.
  SetLabelMode(2, lookupTable_);
  return 1;
}

int CFieldCarrierCode::Validate() {
  const std::string code = GetText(kFieldBuffer);
  if (code.size() < 2) {
    ReportError("ERR_PNR_CARRIERCODE_SHORT");
    return 0;
  }
  if (CTorvanValidate().IsAlphanumeric(code) == 0) {
    ReportError("ERR_PNR_CARRIERCODE_NONALPHANUMERIC");
    return 0;
  }
  return 1;
}

int CFieldAgencyAddress::Create(Window& dialog, int agencyLabelId, int agencyValueId,
                                int telLabelId, int telValueId, int agentLabelId, int agentValueId,
                                int addressLabelId, int line1Id, int line2Id, int line3Id,
                                int line4Id, int line5Id, int line6Id, int modification) {
  dialog_ = &dialog;
  modification_ = modification;
  agencyName_.Create(dialog, agencyLabelId, agencyValueId, 0, modification);
  agentName_.Create(dialog, agentLabelId, agentValueId, 0, modification);
  telephone_.Create(dialog, telLabelId, telValueId, 1, "LAB_PNR_AGENCYTEL", "TIP_PNR_AGENCYTEL",
                    modification);
  if (addressLabelId != -1) {
    bindLabel(addressLabel_, dialog, addressLabelId, "LAB_PNR_ADDRESS", "TIP_PNR_ADDRESS", 0);
  }
  const std::array<int, kLines> lineIds{line1Id, line2Id, line3Id, line4Id, line5Id, line6Id};
  for (std::size_t index = 0; index < kLines; ++index) {
    lines_[index].Create(dialog, -1, lineIds[index], 0, 50, "", "TIP_PNR_ADDRESS", modification);
  }
  PrefillFromProfile();
  return 1;
}

void CFieldAgencyAddress::PrefillFromProfile() {
  agencyName_.SetText(profileValue("Addr1"));
  telephone_.SetText(profileValue("TelNum"));
  constexpr std::array<std::string_view, 4> kLineKeys{"Addr2", "Addr3", "Addr4", "Addr5"};
  for (std::size_t index = 0; index < kLineKeys.size(); ++index) {
    lines_[index].SetText(profileValue(kLineKeys[index]));
  }
  if (const auto cityAndPostalCode = joinedProfileValues("City", "AddrPostal")) {
    lines_[4].SetText(*cityAndPostalCode);
  }
  if (const auto stateAndCountry = joinedProfileValues("AddrState", "AddrCntryCode")) {
    lines_[5].SetText(*stateAndCountry);
  }
  if (const auto agent = joinedProfileValues("Given", "Surname")) agentName_.SetText(*agent);
}

int CFieldAgencyAddress::Validate() {
  if (agencyName_.Validate() == 0 || telephone_.Validate() == 0 || agentName_.Validate() == 0) {
    return 0;
  }
  // Lines 1 to 5 are sent; line 6 is not checked.
  hasAddress_ = 0;
  for (std::size_t index = 0; index < kLines - 1; ++index) {
    const std::string line = lines_[index].GetText(kFieldBuffer);
    if (line.size() == 1) {
      lines_[index].ReportError("ERR_PNR_AGENCYADDRESS_SHORT");
      return 0;
    }
    if (!line.empty()) hasAddress_ = 1;
  }
  if (hasAddress_ != 0 && agencyName_.GetText(kFieldBuffer).empty()) {
    agencyName_.ReportError("ERR_PNR_AGENCYNAME_NONE");
    return 0;
  }
  return 1;
}

void CFieldAgencyAddress::BuildFragment(std::string& phoneLine, std::string& addressLine) const {
  const std::string agency = agencyName_.GetText(kFieldBuffer);
  const std::string telephone = telephone_.GetText(kFieldBuffer);
  const std::string agent = agentName_.GetText(kFieldBuffer);
  phoneLine.clear();
  if (!agency.empty() || !telephone.empty() || !agent.empty()) {
    phoneLine = "9";
    if (!agency.empty()) phoneLine += " " + agency;
    if (!telephone.empty()) phoneLine += " " + telephone;
    if (!agent.empty()) phoneLine += " " + agent;
    phoneLine += "-A";
  }
  addressLine = "W-" + agency;
  for (std::size_t index = 0; index < kLines - 1; ++index) {
    const std::string line = lines_[index].GetText(kFieldBuffer);
    if (!line.empty()) addressLine += std::string(framework::kFreeTextMark) + line;
  }
}

void CFieldAgencyAddress::Save(CTorvanProfile& profile) const {
  agencyName_.Save(profile, "AGENCYNAME");
  agentName_.Save(profile, "AGENTNAME");
  telephone_.Save(profile, "AGENCYTEL");
  for (std::size_t index = 0; index < kLines; ++index) {
    lines_[index].Save(profile, "ADDRESS" + std::to_string(index + 1));
  }
}

void CFieldAgencyAddress::Load(CTorvanProfile& profile) {
  agencyName_.Load(profile, "AGENCYNAME");
  agentName_.Load(profile, "AGENTNAME");
  telephone_.Load(profile, "AGENCYTEL");
  for (std::size_t index = 0; index < kLines; ++index) {
    lines_[index].Load(profile, "ADDRESS" + std::to_string(index + 1));
  }
}

void CFieldAgencyAddress::Clear() {
  agencyName_.Clear();
  agentName_.Clear();
  telephone_.Clear();
  for (CField& line : lines_) line.Clear();
}

void CFieldAgencyAddress::SetValues(std::string_view agent, std::string_view agency,
                                    std::string_view telephone) {
  if (!agent.empty()) agentName_.SetText(agent);
  if (!agency.empty()) agencyName_.SetText(agency);
  if (!telephone.empty()) telephone_.SetText(telephone);
}

void CFieldAgencyAddress::SetAddress(std::string_view agency, std::string_view line1,
                                     std::string_view line2, std::string_view line3,
                                     std::string_view line4, std::string_view line5) {
  if (!agency.empty()) agencyName_.SetText(agency);
  const std::array<std::string_view, 5> lines{line1, line2, line3, line4, line5};
  for (std::size_t index = 0; index < lines.size(); ++index) lines_[index].SetText(lines[index]);
}

int CFieldAutoCreate::Create(Window& dialog, int checkBoxId, int mandatory) {
  dialog_ = &dialog;
  checkBoxId_ = checkBoxId;
  mandatory_ = mandatory;
  checkBox_ =
      bindLabel(label_, dialog, checkBoxId, "LAB_PNR_AUTOCREATE", "TIP_PNR_AUTOCREATE", mandatory);
  return 1;
}

std::string CFieldAutoCreate::BuildFragment() const {
  return checkBox_ != nullptr && checkBox_->checkState() == 1 ? "5.AUTOSF/YES" : "";
}

void CFieldAutoCreate::SetCheck(int flag) {
  if (checkBox_ != nullptr) checkBox_->setCheckState(flag != 0 ? 1 : 0);
}

void CFieldAutoCreate::Enable(int flag) {
  if (checkBox_ != nullptr) checkBox_->enable(flag != 0);
}

void CFieldAutoCreate::Save(CTorvanProfile& profile, std::string_view key) const {
  profile.setKeyName(key);
  profile.setValue(BuildFragment().empty() ? "0" : "1");
}

void CFieldAutoCreate::Load(CTorvanProfile& profile, std::string_view key) {
  profile.setKeyName(key);
  std::string stored;
  profile.getValue(stored, "", kLoadBuffer);
  SetCheck(stored == "1" ? 1 : 0);
}

}  // namespace fields
