#pragma once
// What a container (or the simulated desktop behind it) sets up for the masks to find: the
// PNR open in the desktop, the agent's profile, what the hosted add-passenger control
// reports. Texts are UTF-8; the masks read them as Latin-1.

#include <optional>
#include <string_view>

#include "desk/state/AgentProfile.h"
#include "desk/state/OpenPnr.h"

namespace desk {

// An empty group name makes the open PNR an individual one.
void setPnrGroup(std::string_view groupName);
void addPnrPassenger(const PnrPassenger& passenger);
void addPnrEmail(const PnrEmail& email);

// No profile: an agent whose profile the desktop does not know yet.
void setAgentProfile(const std::optional<AgentProfile>& profile);

void setAddPassengerState(int completionState);
void setAddPassengerList(std::string_view listText);
// Nine digits '0' or '1'.
void setAddPassengerMarkers(std::string_view profileMarkers);

}  // namespace desk
