#pragma once
// The bodies of the web desk's POST requests, read into what the desk acts on. Every body is
// data from the browser: whatever it holds, reading it either gives a request or throws
// WebRequestError 400 saying what is wrong, before anything reaches a mask.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/window/AgentInput.h"

namespace desk {

// A request the desk refuses, with the HTTP status that says why.
class WebRequestError : public std::runtime_error {
 public:
  WebRequestError(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  int status() const { return status_; }

 private:
  int status_;
};

// POST /api/desk: {"pnr": NAME, "lang": CODE, "preview": BOOL, "backOffice": BOOL}, each
// optional.
struct DeskRequest {
  std::optional<std::string> pnr;
  std::optional<std::string> language;
  std::optional<bool> preview;
  std::optional<bool> backOffice;
};

// POST /api/mask/ID/act: {"do": ACTION, ...} with the fields the action needs. "finish" takes
// {"control": ID, "markers": NINE DIGITS, "list": TEXT} or {"control": ID, "cancelled": true}.
struct ActionRequest {
  enum class Kind { Edit, Type, Select, Choose, Click, DoubleClick, Focus, Hover, Key, Finish };
  Kind kind = Kind::Click;
  std::optional<long long> control;          // needed by every action but key
  int start = 0;                             // edit, select
  int end = 0;                               // edit, select
  int index = 0;                             // choose
  std::string text;                          // edit, type (UTF-8)
  bool inside = false;                       // hover
  platform::Key key = platform::Key::Enter;  // key
  // finish: the agent is done with a hosted add-passenger control, with its nine profile
  // markers and list text (UTF-8), or cancelled it.
  bool cancelled = false;
  std::string markers = "000000000";
};

// POST /api/mask/ID/answer: {"button": N} for a message box, {"cancel": ...} or
// {"words": [TEXT...]} for a dialog; "serial" names the box or dialog answered.
struct AnswerRequest {
  std::optional<int> button;
  bool cancel = false;
  std::optional<std::vector<std::string>> words;  // UTF-8
  std::optional<long long> serial;
};

// A request body as a JSON object, or a WebRequestError 400.
nlohmann::json objectBody(std::string_view body);

DeskRequest parseDeskRequest(std::string_view body);
ActionRequest parseActionRequest(std::string_view body);
AnswerRequest parseAnswerRequest(std::string_view body);
// The same, of a body already read as JSON (a part of a WebSocket message).
ActionRequest parseActionRequest(const nlohmann::json& body);
AnswerRequest parseAnswerRequest(const nlohmann::json& body);

}  // namespace desk
