#include "desk/state/AgentProfile.h"

namespace desk {

std::optional<AgentProfile>& agentProfile() {
  static std::optional<AgentProfile> profile;
  return profile;
}

}  // namespace desk
