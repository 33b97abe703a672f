#include "desk/web/SocketMessages.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace desk {

using nlohmann::json;

namespace {

constexpr std::size_t kLongestInstanceId = 64;

const json& member(const json& message, const char* name) {
  const auto found = message.find(name);
  if (found == message.end())
    throw WebRequestError(400, std::string("\"") + name + "\" is missing");
  return *found;
}

std::string textMember(const json& message, const char* name) {
  const json& value = member(message, name);
  if (!value.is_string()) {
    throw WebRequestError(400, std::string("\"") + name + "\" has the wrong type");
  }
  return value.get<std::string>();
}

long long sequenceMember(const json& message) {
  const json& value = member(message, "seq");
  if (!value.is_number_integer() ||
      (value.is_number_unsigned() &&
       value.get<std::uint64_t>() >
           static_cast<std::uint64_t>(std::numeric_limits<long long>::max()))) {
    throw WebRequestError(400, "\"seq\" is not a whole number");
  }
  return value.get<long long>();
}

SocketMessage socketMessage(const json& message, std::optional<long long> sequence);

}  // namespace

bool isInstanceId(std::string_view id) {
  return !id.empty() && id.size() <= kLongestInstanceId &&
         std::all_of(id.begin(), id.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

SocketMessage parseSocketMessage(std::string_view text) {
  const json message = json::parse(text, nullptr, false);
  if (message.is_discarded() || !message.is_object()) {
    throw SocketMessageError(WebRequestError(400, "the message is not a JSON object"),
                             std::nullopt);
  }
  std::optional<long long> sequence;
  try {
    if (message.contains("seq")) sequence = sequenceMember(message);
  } catch (const WebRequestError& error) {
    throw SocketMessageError(error, std::nullopt);
  }
  try {
    return socketMessage(message, sequence);
  } catch (const WebRequestError& error) {
    throw SocketMessageError(error, sequence);
  }
}

namespace {

SocketMessage socketMessage(const json& message, std::optional<long long> sequence) {
  using Kind = SocketMessage::Kind;
  const std::string type = textMember(message, "type");
  SocketMessage parsed;
  parsed.sequence = sequence;
  parsed.id = textMember(message, "id");
  if (!isInstanceId(parsed.id)) throw WebRequestError(404, "the desk has no open mask of that id");
  if (type == "watch") {
    parsed.kind = Kind::Watch;
  } else if (type == "unwatch") {
    parsed.kind = Kind::Unwatch;
  } else if (type == "act") {
    parsed.kind = Kind::Act;
    if (!sequence) throw WebRequestError(400, "\"seq\" is missing");
    parsed.action = parseActionRequest(member(message, "action"));
  } else if (type == "answer") {
    parsed.kind = Kind::Answer;
    if (!sequence) throw WebRequestError(400, "\"seq\" is missing");
    parsed.answer = parseAnswerRequest(member(message, "answer"));
  } else if (type == "close") {
    parsed.kind = Kind::Close;
  } else {
    throw WebRequestError(400, "unknown message \"" + type + "\"");
  }
  return parsed;
}

}  // namespace

}  // namespace desk
