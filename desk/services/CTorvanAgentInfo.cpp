#include "framework/services/CTorvanAgentInfo.h"

#include <charconv>
#include <optional>

#include "desk/state/AgentProfile.h"
#include "platform/text/TextRules.h"
#include "platform/window/Window.h"
#include "platform/xml/XmlDocument.h"

namespace {

constexpr std::string_view kHostCommand = "%%JX AIT";

int copyOut(std::string& value, std::string_view text, std::size_t bufferSize) {
  value = platform::limitToBuffer(text, bufferSize);
  return 1;
}

std::string trimmed(std::string_view text) {
  return std::string(platform::trimWhiteSpace(text));
}

int location(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::optional<desk::AgentProfile> profileOf(std::string_view utf8Xml) {
  platform::XmlDocument document;
  if (!document.loadText(utf8Xml, platform::XmlDocument::TextEncoding::Utf8)) return std::nullopt;
  const std::optional<platform::XmlNode> agent = document.selectSingleNode("/VELANO//N_AGENT");
  if (!agent) return std::nullopt;
  desk::AgentProfile profile;
  profile.agencyName = trimmed(agent->childText("AGENCY_NAME"));
  for (std::size_t line = 0; line < profile.address.size(); ++line) {
    profile.address[line] = trimmed(agent->childText("ADDR" + std::to_string(line + 1)));
  }
  profile.dataSourceLocation = location(trimmed(agent->childText("DATA_SRC_LOCATION")));
  return profile;
}

}  // namespace

struct CTorvanAgentInfo::State {
  platform::Window* parent = nullptr;
  bool useDoss = false;
  bool useCurrentPnr = false;
};

CTorvanAgentInfo::CTorvanAgentInfo() : state_(std::make_unique<State>()) {}

CTorvanAgentInfo::~CTorvanAgentInfo() = default;

void CTorvanAgentInfo::setParentHwnd(platform::Window* parent) {
  state_->parent = parent;
}

void CTorvanAgentInfo::setUseDoss(bool useDoss) {
  state_->useDoss = useDoss;
}

void CTorvanAgentInfo::setUseCurrentPNR(bool useCurrentPnr) {
  state_->useCurrentPnr = useCurrentPnr;
}

int CTorvanAgentInfo::getAgentProfileEx(bool* complete) {
  const bool known = desk::agentProfile().has_value();
  if (complete) *complete = known;
  if (known) return 1;
  if (!state_->parent) return 0;
  state_->parent->post(kAgentInfoRequest);
  return 1;
}

int CTorvanAgentInfo::getAgencyName(std::string& value, std::size_t bufferSize) const {
  const auto& profile = desk::agentProfile();
  if (!profile) return value.clear(), 0;
  return copyOut(value, profile->agencyName, bufferSize);
}

int CTorvanAgentInfo::addressLine(std::size_t index, std::string& value,
                                  std::size_t bufferSize) const {
  const auto& profile = desk::agentProfile();
  if (!profile || index >= profile->address.size()) return value.clear(), 0;
  return copyOut(value, profile->address[index], bufferSize);
}

int CTorvanAgentInfo::getAddr1(std::string& value, std::size_t bufferSize) const {
  return addressLine(0, value, bufferSize);
}
int CTorvanAgentInfo::getAddr2(std::string& value, std::size_t bufferSize) const {
  return addressLine(1, value, bufferSize);
}
int CTorvanAgentInfo::getAddr3(std::string& value, std::size_t bufferSize) const {
  return addressLine(2, value, bufferSize);
}
int CTorvanAgentInfo::getAddr4(std::string& value, std::size_t bufferSize) const {
  return addressLine(3, value, bufferSize);
}
int CTorvanAgentInfo::getAddr5(std::string& value, std::size_t bufferSize) const {
  return addressLine(4, value, bufferSize);
}

int CTorvanAgentInfo::getHostCmd(std::string& value, std::size_t bufferSize) const {
  return copyOut(value, kHostCommand, bufferSize);
}

int CTorvanAgentInfo::getDataSrcLocation() const {
  const auto& profile = desk::agentProfile();
  return profile ? profile->dataSourceLocation : 0;
}

int CTorvanAgentInfo::setXMLResponseFromHostEx(std::string_view utf8Xml, bool* complete) {
  std::optional<desk::AgentProfile> profile = profileOf(utf8Xml);
  if (complete) *complete = profile.has_value();
  if (!profile) return 0;
  desk::agentProfile() = std::move(*profile);
  return 1;
}
