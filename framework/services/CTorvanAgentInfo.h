#pragma once
// The desktop's agent information: the signed-in agent's agency name, agency address lines
// and data source location, for the creation masks' agency fields.
//
// The profile is known at once when the desktop already holds it. Otherwise asking for it
// posts the message kAgentInfoRequest (0x0600) to the parent window; the mask answers by
// sending the object's own host command (getHostCmd) to the host and handing the reply to
// setXMLResponseFromHostEx. The reply is XML in UTF-8 that carries the profile as
//
//   <VELANO>
//     <N_AGENT>
//       <AGENCY_NAME>...</AGENCY_NAME>
//       <ADDR1>...</ADDR1> ... <ADDR5>...</ADDR5>
//       <DATA_SRC_LOCATION>2</DATA_SRC_LOCATION>
//     </N_AGENT>
//     ...
//   </VELANO>
//
// anywhere below the root element "VELANO" (the same reply may carry the booking). Missing
// elements read as empty, a location that is no number as 0. A reply without "N_AGENT", or no
// XML at all, leaves the profile unknown. A profile learnt from a reply is the desktop's from
// then on, so that later masks know it at once.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/com/ComTypes.h"

namespace platform {
class Window;
}

// Posted to the parent window when the agent's profile must come from the host.
inline constexpr UINT kAgentInfoRequest = 0x0600;

class CTorvanAgentInfo {
 public:
  CTorvanAgentInfo();
  ~CTorvanAgentInfo();
  CTorvanAgentInfo(const CTorvanAgentInfo&) = delete;
  CTorvanAgentInfo& operator=(const CTorvanAgentInfo&) = delete;

  // The window that receives kAgentInfoRequest; null for none.
  void setParentHwnd(platform::Window* parent);
  // Whether the agent data come with the traveller-profile facility, and whether the current
  // PNR is to be read; both are kept for the host command.
  void setUseDoss(bool useDoss);
  void setUseCurrentPNR(bool useCurrentPnr);

  // Asks for the agent's profile. *complete is true when it is known now (the getters then
  // give it); otherwise the request is posted to the parent. Non-zero when the profile is
  // known or the request was posted.
  int getAgentProfileEx(bool* complete);

  // Each fills value (at most bufferSize - 1 characters); non-zero when the profile is known.
  int getAgencyName(std::string& value, std::size_t bufferSize = 1024) const;
  int getAddr1(std::string& value, std::size_t bufferSize = 1024) const;
  int getAddr2(std::string& value, std::size_t bufferSize = 1024) const;
  int getAddr3(std::string& value, std::size_t bufferSize = 1024) const;
  int getAddr4(std::string& value, std::size_t bufferSize = 1024) const;
  int getAddr5(std::string& value, std::size_t bufferSize = 1024) const;
  // The host command whose reply carries the profile ("%%JX AIT"); always available.
  int getHostCmd(std::string& value, std::size_t bufferSize = 1024) const;

  // The data source location of the known profile; 0 while none is known.
  int getDataSrcLocation() const;

  // Takes the host's reply. *complete is true when it carried the profile. Non-zero when the
  // reply was taken.
  int setXMLResponseFromHostEx(std::string_view utf8Xml, bool* complete);

 private:
  int addressLine(std::size_t index, std::string& value, std::size_t bufferSize) const;

  struct State;
  std::unique_ptr<State> state_;
};
