#include "desk/web/WorkspaceRequests.h"

#include <nlohmann/json.hpp>

#include "desk/web/Journal.h"
#include "desk/web/SimulatedHost.h"

namespace desk {

using nlohmann::json;

namespace {

std::string textField(const json& body, const char* name) {
  const auto found = body.find(name);
  if (found == body.end()) throw WebRequestError(400, std::string("\"") + name + "\" is missing");
  if (!found->is_string()) {
    throw WebRequestError(400, std::string("\"") + name + "\" has the wrong type");
  }
  return found->get<std::string>();
}

// C0 controls, DEL, and C1 controls (U+0080 to U+009F, in UTF-8 0xC2 0x80 to 0xC2 0x9F).
bool holdsControlCharacter(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) return true;
    if (byte == 0xC2 && at + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[at + 1]);
      if (next >= 0x80 && next <= 0x9F) return true;
    }
  }
  return false;
}

std::string trimmedSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

OpenRequest parseOpenRequest(std::string_view body) {
  const json parsed = objectBody(body);
  OpenRequest request;
  request.mask = textField(parsed, "mask");
  if (parsed.contains("lang")) request.language = textField(parsed, "lang");
  return request;
}

HostEntryRequest parseHostEntryRequest(std::string_view body) {
  const json parsed = objectBody(body);
  const std::string entry = textField(parsed, "entry");
  if (entry.size() > kLongestHostEntry) {
    throw WebRequestError(
        400, "the entry is longer than " + std::to_string(kLongestHostEntry) + " characters");
  }
  if (holdsControlCharacter(entry)) {
    throw WebRequestError(400, "the entry holds a control character, which the host cannot take");
  }
  HostEntryRequest request{trimmedSpaces(entry)};
  if (request.entry.empty()) throw WebRequestError(400, "the entry is empty");
  return request;
}

json runTypedEntry(const SimulatedHost& host, Journal* journal, const HostEntryRequest& request) {
  const std::string answer =
      host.entryReply(request.entry).value_or(std::string(kHostAcknowledgement));
  json outcome{{"entry", request.entry}, {"answer", answer}, {"id", nullptr}};
  if (journal == nullptr) return outcome;
  try {
    const std::int64_t id = journal->add("Entry", kHostPane, "", request.entry);
    journal->setAnswer(id, answer);
    outcome["id"] = id;
  } catch (const JournalError& error) {
    // The host answered; only its record failed, and the page says so.
    outcome["journal"] = error.what();
  }
  return outcome;
}

}  // namespace desk
