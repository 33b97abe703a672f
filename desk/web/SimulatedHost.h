#pragma once
// The reservation host, the desktop framework and the back office behind the web desk, played
// from plain data files in the desk home's "host" folder, so that a user can change what they
// answer:
//
//   host/host.ini          which entries the host answers and with which reply file (the
//                          masks' own and their hosted dialogs'), the framework's answers to
//                          requests and run events, the answers to entries the agent types
//                          into the host pane, the back office's profile records (for the
//                          individual creation mask and its Add Passenger dialog), the
//                          signed-in agent's profile
//   host/pnr/NAME/pnr.ini  a demo PNR: its group name, passengers and e-mail elements; reply
//                          files in the PNR's folder take precedence over those of host/
//
// A reply is named by a file name or written inline as "text:REPLY".

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/services/IniDocument.h"
#include "desk/state/OpenPnr.h"

namespace desk {

struct DemoPnr {
  std::string name;   // the folder name: "individual", "group"
  std::string title;  // what the agent chooses it by
  OpenPnr pnr;        // texts UTF-8
};

class SimulatedHost {
 public:
  // folder: the home's "host" folder. A missing or broken file leaves the host with nothing
  // to answer; every request of a mask still shows in the host pane.
  explicit SimulatedHost(std::filesystem::path folder);

  // Every demo PNR, in folder-name order.
  const std::vector<DemoPnr>& demoPnrs() const { return pnrs_; }
  const DemoPnr* findPnr(std::string_view name) const;
  // The PNR open when the desk starts ("PNR" of [Host], else the first).
  std::string startPnr() const;
  // Opens the demo PNR in the desktop (its passengers and e-mails) and sets the agent profile;
  // false when there is no such PNR.
  bool open(std::string_view name);
  const std::string& openName() const { return open_; }

  // The reply text (UTF-8) the host gives to an entry a mask asked it to run, or nothing.
  std::optional<std::string> commandReply(std::string_view entry) const;
  // The reply text to an entry the agent typed into the host pane: what [Entries] names for
  // it, else what the host answers a mask's own entry; or nothing.
  std::optional<std::string> entryReply(std::string_view entry) const;
  // The framework's answer to OnEvent("Run", parameter).
  std::optional<std::string> runReply(std::string_view parameter) const;
  // The framework's answer to a request such as "askForPAX".
  std::optional<std::string> requestReply(std::string_view request) const;
  // The back office's answer to SendTo(source, destination, text): the record it hands back
  // through receivedFrom(destination, source, record).
  std::optional<std::string> backOfficeReply(std::string_view source, std::string_view destination,
                                             std::string_view text) const;

 private:
  std::optional<std::string> reply(std::string_view section, std::string_view key) const;
  std::optional<std::string> readReplyFile(std::string_view name) const;
  void applyAgentProfile() const;

  std::filesystem::path folder_;
  IniDocument settings_;  // host.ini, read once when the desk starts
  std::vector<DemoPnr> pnrs_;
  std::string open_;
};

}  // namespace desk
