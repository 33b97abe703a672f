#include "desk/web/WebRequests.h"

#include <nlohmann/json.hpp>

#include "desk/state/AddPassengerControl.h"

namespace desk {

using nlohmann::json;

namespace {

// A request field of the wanted JSON type (numbers in range); WebRequestError 400 otherwise.
template <typename T>
T field(const json& body, const char* name) {
  const auto found = body.find(name);
  if (found == body.end()) throw WebRequestError(400, std::string("\"") + name + "\" is missing");
  const auto wrongType = [name] {
    return WebRequestError(400, std::string("\"") + name + "\" has the wrong type");
  };
  if constexpr (std::is_same_v<T, bool>) {
    if (!found->is_boolean()) throw wrongType();
  } else if constexpr (std::is_integral_v<T>) {
    if (!found->is_number_integer()) throw wrongType();
    const bool fits = found->is_number_unsigned()
                          ? found->get<std::uint64_t>() <=
                                static_cast<std::uint64_t>(std::numeric_limits<T>::max())
                          : found->get<std::int64_t>() >= std::numeric_limits<T>::min() &&
                                found->get<std::int64_t>() <= std::numeric_limits<T>::max();
    if (!fits) throw WebRequestError(400, std::string("\"") + name + "\" is out of range");
  } else {
    if (!found->is_string()) throw wrongType();
  }
  return found->get<T>();
}

template <typename T>
std::optional<T> optionalField(const json& body, const char* name) {
  if (!body.contains(name)) return std::nullopt;
  return field<T>(body, name);
}

}  // namespace

DeskRequest parseDeskRequest(std::string_view body) {
  const json parsed = objectBody(body);
  return {optionalField<std::string>(parsed, "pnr"), optionalField<std::string>(parsed, "lang"),
          optionalField<bool>(parsed, "preview"), optionalField<bool>(parsed, "backOffice")};
}

ActionRequest parseActionRequest(std::string_view body) {
  return parseActionRequest(objectBody(body));
}

AnswerRequest parseAnswerRequest(std::string_view body) {
  return parseAnswerRequest(objectBody(body));
}

ActionRequest parseActionRequest(const json& parsed) {
  using Kind = ActionRequest::Kind;
  if (!parsed.is_object()) throw WebRequestError(400, "the action is not a JSON object");
  const std::string action = field<std::string>(parsed, "do");
  ActionRequest request;
  request.control = optionalField<long long>(parsed, "control");
  const auto needsControl = [&] {
    if (!request.control) throw WebRequestError(400, "\"control\" is missing");
  };
  if (action == "edit") {
    request.kind = Kind::Edit;
    needsControl();
    request.start = field<int>(parsed, "start");
    request.end = field<int>(parsed, "end");
    request.text = field<std::string>(parsed, "text");
  } else if (action == "type") {
    request.kind = Kind::Type;
    needsControl();
    request.text = field<std::string>(parsed, "text");
  } else if (action == "select") {
    request.kind = Kind::Select;
    needsControl();
    request.start = field<int>(parsed, "start");
    request.end = field<int>(parsed, "end");
  } else if (action == "choose") {
    request.kind = Kind::Choose;
    needsControl();
    request.index = field<int>(parsed, "index");
  } else if (action == "click" || action == "dblclick" || action == "focus") {
    request.kind = action == "click"      ? Kind::Click
                   : action == "dblclick" ? Kind::DoubleClick
                                          : Kind::Focus;
    needsControl();
  } else if (action == "hover") {
    request.kind = Kind::Hover;
    needsControl();
    request.inside = field<bool>(parsed, "inside");
  } else if (action == "key") {
    request.kind = Kind::Key;
    const std::string name = field<std::string>(parsed, "key");
    const auto key = platform::keyFromName(name);
    if (!key) throw WebRequestError(400, "unknown key \"" + name + "\"");
    request.key = *key;
  } else if (action == "finish") {
    request.kind = Kind::Finish;
    needsControl();
    request.cancelled = optionalField<bool>(parsed, "cancelled").value_or(false);
    if (!request.cancelled) {
      request.markers = field<std::string>(parsed, "markers");
      request.text = field<std::string>(parsed, "list");
      if (!isProfileMarkers(request.markers)) {
        throw WebRequestError(400, "the profile markers are nine digits 0 or 1");
      }
      if (exceedsAddedPassengers(request.text)) {
        throw WebRequestError(400, "at most nine passengers");
      }
    }
  } else {
    throw WebRequestError(400, "unknown action \"" + action + "\"");
  }
  return request;
}

AnswerRequest parseAnswerRequest(const json& parsed) {
  if (!parsed.is_object()) throw WebRequestError(400, "the answer is not a JSON object");
  AnswerRequest request;
  request.serial = optionalField<long long>(parsed, "serial");
  request.button = optionalField<int>(parsed, "button");
  request.cancel = parsed.contains("cancel");
  if (parsed.contains("words")) {
    const json& words = parsed["words"];
    if (!words.is_array()) throw WebRequestError(400, "\"words\" has the wrong type");
    request.words.emplace();
    for (const json& word : words) {
      if (!word.is_string()) throw WebRequestError(400, "\"words\" holds a word that is no text");
      request.words->push_back(word.get<std::string>());
    }
  }
  return request;
}

json objectBody(std::string_view body) {
  json parsed = json::parse(body, nullptr, false);
  if (parsed.is_discarded() || !parsed.is_object()) {
    throw WebRequestError(400, "the request body is not a JSON object");
  }
  return parsed;
}

}  // namespace desk
