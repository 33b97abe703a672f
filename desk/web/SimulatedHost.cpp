#include "desk/web/SimulatedHost.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "desk/container/DeskPresets.h"
#include "desk/services/IniDocument.h"

namespace desk {
namespace {

constexpr std::uintmax_t kLargestDataFile = 4 * 1024 * 1024;

std::string readSmallFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  if (std::filesystem::file_size(path, error) > kLargestDataFile || error) return {};
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::vector<std::string> splitAtBars(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar = text.find('|'); bar != std::string_view::npos;
       bar = text.find('|', start)) {
    parts.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// A reply file names a file of the folder itself: no folders above it, no absolute path.
bool isPlainRelative(const std::filesystem::path& path) {
  if (path.empty() || path.is_absolute() || path.has_root_name()) return false;
  return std::ranges::none_of(path, [](const auto& part) { return part == ".."; });
}

DemoPnr readPnr(const std::filesystem::path& folder) {
  const IniDocument ini(readSmallFile(folder / "pnr.ini"));
  DemoPnr demo;
  demo.name = folder.filename().string();
  demo.title = std::string(ini.find("PNR", "Title").value_or(demo.name));
  demo.pnr.groupName = trimmed(ini.find("PNR", "Group").value_or(""));
  for (const auto& [key, value] : ini.entries("Passengers")) {
    const auto parts = splitAtBars(value);
    if (parts.size() != 4) continue;
    demo.pnr.passengers.push_back(
        {trimmed(parts[0]), trimmed(parts[1]), trimmed(parts[2]), trimmed(parts[3]) == "Y"});
  }
  for (const auto& [key, value] : ini.entries("Emails")) {
    const auto parts = splitAtBars(value);
    if (parts.size() != 4) continue;
    demo.pnr.emails.push_back(
        {trimmed(parts[0]), trimmed(parts[1]), trimmed(parts[2]), trimmed(parts[3])});
  }
  return demo;
}

}  // namespace

SimulatedHost::SimulatedHost(std::filesystem::path folder)
    : folder_(std::move(folder)), settings_(readSmallFile(folder_ / "host.ini")) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_ / "pnr", error)) {
    if (entry.is_directory(error)) pnrs_.push_back(readPnr(entry.path()));
  }
  std::ranges::sort(pnrs_, {}, &DemoPnr::name);
}

const DemoPnr* SimulatedHost::findPnr(std::string_view name) const {
  const auto found = std::ranges::find(pnrs_, name, &DemoPnr::name);
  return found == pnrs_.end() ? nullptr : &*found;
}

std::string SimulatedHost::startPnr() const {
  const IniDocument& ini = settings_;
  const std::string configured = trimmed(ini.find("Host", "PNR").value_or(""));
  if (findPnr(configured) != nullptr) return configured;
  return pnrs_.empty() ? std::string() : pnrs_.front().name;
}

bool SimulatedHost::open(std::string_view name) {
  const DemoPnr* demo = findPnr(name);
  if (demo == nullptr) return false;
  openPnr() = {};
  setPnrGroup(demo->pnr.groupName);
  for (const PnrPassenger& passenger : demo->pnr.passengers) addPnrPassenger(passenger);
  for (const PnrEmail& email : demo->pnr.emails) addPnrEmail(email);
  applyAgentProfile();
  open_ = demo->name;
  return true;
}

void SimulatedHost::applyAgentProfile() const {
  const IniDocument& ini = settings_;
  if (!ini.find("Agent", "Agency")) {
    setAgentProfile(std::nullopt);
    return;
  }
  AgentProfile profile;
  profile.agencyName = std::string(*ini.find("Agent", "Agency"));
  for (std::size_t line = 0; line < profile.address.size(); ++line) {
    const std::string key = "Address" + std::to_string(line + 1);
    profile.address[line] = std::string(ini.find("Agent", key).value_or(""));
  }
  try {
    profile.dataSourceLocation =
        std::stoi(std::string(ini.find("Agent", "Location").value_or("0")));
  } catch (const std::exception&) {
    profile.dataSourceLocation = 0;
  }
  setAgentProfile(profile);
}

std::optional<std::string> SimulatedHost::readReplyFile(std::string_view name) const {
  const std::filesystem::path relative = std::filesystem::path(name).lexically_normal();
  if (!isPlainRelative(relative)) return std::nullopt;
  std::vector<std::filesystem::path> candidates;
  if (!open_.empty()) candidates.push_back(folder_ / "pnr" / open_ / relative);
  candidates.push_back(folder_ / relative);
  for (const auto& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return readSmallFile(candidate);
  }
  return std::nullopt;
}

std::optional<std::string> SimulatedHost::reply(std::string_view section,
                                                std::string_view key) const {
  const IniDocument& ini = settings_;
  const auto value = ini.find(section, key);
  if (!value) return std::nullopt;
  const std::string named = trimmed(*value);
  if (named.starts_with("text:")) return named.substr(5);
  return readReplyFile(named);
}

std::optional<std::string> SimulatedHost::commandReply(std::string_view entry) const {
  return reply("Commands", trimmed(entry));
}

std::optional<std::string> SimulatedHost::entryReply(std::string_view entry) const {
  if (auto typed = reply("Entries", trimmed(entry))) return typed;
  return commandReply(entry);
}

std::optional<std::string> SimulatedHost::runReply(std::string_view parameter) const {
  return reply("Run", parameter);
}

std::optional<std::string> SimulatedHost::requestReply(std::string_view request) const {
  return reply("Requests", request);
}

std::optional<std::string> SimulatedHost::backOfficeReply(std::string_view source,
                                                          std::string_view destination,
                                                          std::string_view text) const {
  return reply("BackOffice",
               std::string(source) + ">" + std::string(destination) + " " + trimmed(text));
}

}  // namespace desk
