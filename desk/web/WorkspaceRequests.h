#pragma once
// The desk page's own requests, beside the masks': opening a mask as a panel of the page, and
// an entry the agent types into the host pane, as into the host terminal beside the masks.
//
//   POST /api/open  {"mask": CLASS, "lang": CODE}   a new instance; {"id", "mask", "title"}
//   POST /api/host  {"entry": TEXT}                 the host's answer; {"id", "entry", "answer"}
//
// Reading a body either gives a request or throws WebRequestError 400 saying what is wrong.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "desk/web/WebRequests.h"

namespace desk {

class Journal;
class SimulatedHost;

struct OpenRequest {
  std::string mask;                     // the class
  std::optional<std::string> language;  // that instance's alone
};

struct HostEntryRequest {
  std::string entry;  // UTF-8, trimmed
};

// The longest entry the host pane takes, in bytes of UTF-8: more than any mask sends.
constexpr std::size_t kLongestHostEntry = 1024;

OpenRequest parseOpenRequest(std::string_view body);
// The entry: a text of at most kLongestHostEntry bytes, not blank, without control
// characters (C0, DEL and C1), which a terminal line cannot hold.
HostEntryRequest parseHostEntryRequest(std::string_view body);

// Runs an entry the agent typed on the simulated host: its answer is what the host names for
// it, else a plain acknowledgement; entry and answer go to the journal (when there is one) as
// the host pane's. The answer to POST /api/host.
nlohmann::json runTypedEntry(const SimulatedHost& host, Journal* journal,
                             const HostEntryRequest& request);

// The journal's name for the host pane, where a mask's class stands for the masks' entries.
inline constexpr std::string_view kHostPane = "Host";
// What the host answers to an entry it has no answer for.
inline constexpr std::string_view kHostAcknowledgement = "OK";

}  // namespace desk
