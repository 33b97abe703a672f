#pragma once
// The messages of a page's WebSocket, one JSON object a text message, multiplexed by mask
// instance so that one socket serves every mask of a page.
//
// From the page:
//   {"type":"watch","id":ID}                    send the instance's states from now on
//   {"type":"unwatch","id":ID}                  stop sending them
//   {"type":"act","id":ID,"seq":N,"action":{...}}     an action, as POST /api/mask/ID/act
//   {"type":"answer","id":ID,"seq":N,"answer":{...}}  an answer, as POST /api/mask/ID/answer
//   {"type":"close","id":ID,"seq":N}            release the instance now (seq optional)
// From the desk:
//   {"type":"state","id":ID,"version":V,"state":{...}}  the newest state (older ones skipped)
//   {"type":"closed","id":ID}                   the instance is gone
//   {"type":"outcome","seq":N,"status":S,...}   the outcome of act, answer or close, with the
//                                               body its HTTP request would answer
//   {"type":"error","status":S,"error":TEXT}    a message the desk could not read
//
// Reading a message either gives one or throws SocketMessageError saying what is wrong (with
// the message's seq when it has a readable one, so that the page learns which request failed).

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "desk/web/WebRequests.h"

namespace desk {

struct SocketMessage {
  enum class Kind { Watch, Unwatch, Act, Answer, Close };
  Kind kind = Kind::Watch;
  std::string id;                       // the instance
  std::optional<long long> sequence;    // act and answer always, close when the page wants it
  std::optional<ActionRequest> action;  // act
  std::optional<AnswerRequest> answer;  // answer
};

// Whether an instance id has the form the desk gives them (so that it can be named in an
// address and a message as it is).
bool isInstanceId(std::string_view id);

class SocketMessageError : public WebRequestError {
 public:
  SocketMessageError(const WebRequestError& error, std::optional<long long> sequence)
      : WebRequestError(error), sequence_(sequence) {}
  std::optional<long long> sequence() const { return sequence_; }

 private:
  std::optional<long long> sequence_;
};

SocketMessage parseSocketMessage(std::string_view text);

}  // namespace desk
