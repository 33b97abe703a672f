#include "masks/lineitem/PNRModifyGrpName.h"

#include "framework/CParseField.h"
#include "framework/HostCommand.h"
#include "framework/services/CTorvanValidate.h"
#include "framework/services/TorvanArch.h"
#include "platform/text/TextRules.h"

namespace ids = resources::pnr_modify_group_name;

namespace {

constexpr std::size_t kQueueBuffer = 1024;
constexpr int kGroupNameLimit = 40;

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

CPNRModifyGrpName::CPNRModifyGrpName() {
  fields().declare(groupName_, "GROUP_NAME", ids::kGroupNameLabel, ids::kGroupName, 1,
                   kGroupNameLimit, "LAB_PNR_GRPNAME", "TOOLTIP_PNR_GRPNAME",
                   fields::kModification);
}

// The desktop's preset: the group name as the PNR holds it now.
void CPNRModifyGrpName::AfterInitDialog() {
  std::string message;
  Q_popString("ID_MODIFYPNR_GROUPNAME", "", message, kQueueBuffer, "VLWHITEBOARD", 60000);
  if (message.empty()) return;
  framework::CParseField parameters(message.c_str(), "&");
  std::string name;
  if (parameters.GetValue("GrpName", name)) groupName_.SetText(name);
}

// Letters, blanks and "/" only, at least two characters, and two letters first.
bool CPNRModifyGrpName::ValidateFields() {
  const std::string name = groupName_.GetText();
  if (platform::trimWhiteSpace(name).empty()) {
    groupName_.ReportError("ERR_RETPNR_GRPNAME_MANDATORY_FIELD");
    return false;
  }
  if (!CTorvanValidate().IsAlphaEx(name, "/ ")) {
    groupName_.ReportError("ERR_PNR_GRPNAME_INVALID");
    return false;
  }
  if (name.size() < 2) {
    groupName_.ReportError("ERR_PNR_GRPNAME_SHORT");
    return false;
  }
  if (!isLetter(name[0]) || !isLetter(name[1])) {
    groupName_.ReportError("ERR_PNR_GRPNAME_PREFIX");
    return false;
  }
  return true;
}

std::string CPNRModifyGrpName::BuildCommand() const {
  return "-1" + std::string(framework::kChangeMark) + "C/" + groupName_.GetText();
}
