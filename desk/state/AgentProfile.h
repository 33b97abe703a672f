#pragma once
// The signed-in agent's profile as the desktop knows it.

#include <array>
#include <optional>
#include <string>

namespace desk {

struct AgentProfile {
  std::string agencyName;
  std::array<std::string, 5> address;  // address lines 1 to 5
  int dataSourceLocation = 0;
};

// Empty while the desktop does not know the agent's profile yet.
std::optional<AgentProfile>& agentProfile();

}  // namespace desk
