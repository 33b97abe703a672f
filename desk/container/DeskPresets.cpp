#include "desk/container/DeskPresets.h"

#include "desk/container/TextEncoding.h"
#include "desk/state/AddPassengerControl.h"

namespace desk {

void setPnrGroup(std::string_view groupName) {
  openPnr().groupName = latin1FromUtf8(groupName);
}

void addPnrPassenger(const PnrPassenger& passenger) {
  openPnr().passengers.push_back(
      {latin1FromUtf8(passenger.nameNumber), latin1FromUtf8(passenger.surname),
       latin1FromUtf8(passenger.givenName), passenger.infant, latin1FromUtf8(passenger.email)});
}

void addPnrEmail(const PnrEmail& email) {
  openPnr().emails.push_back({latin1FromUtf8(email.address), latin1FromUtf8(email.nameNumber),
                              latin1FromUtf8(email.name), latin1FromUtf8(email.remark)});
}

void setAgentProfile(const std::optional<AgentProfile>& profile) {
  if (!profile) {
    agentProfile().reset();
    return;
  }
  AgentProfile known;
  known.agencyName = latin1FromUtf8(profile->agencyName);
  for (std::size_t line = 0; line < known.address.size(); ++line) {
    known.address[line] = latin1FromUtf8(profile->address[line]);
  }
  known.dataSourceLocation = profile->dataSourceLocation;
  agentProfile() = known;
}

void setAddPassengerState(int completionState) {
  addPassengerControl().completionState = completionState;
}

void setAddPassengerList(std::string_view listText) {
  addPassengerControl().listText = latin1FromUtf8(listText);
}

void setAddPassengerMarkers(std::string_view profileMarkers) {
  addPassengerControl().profileMarkers = std::string(profileMarkers);
}

}  // namespace desk
