#pragma once
// What the desk answers at each address, once a request has passed the screening: the page's
// files, the mask pages, and the JSON requests of scripts and pages. Every request that touches
// the desk is posted to the UI thread; the answer comes back through a callback, so that the
// server's I/O thread never waits for the desk. The WebSocket's requests come through here too.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "desk/web/WebDesk.h"

namespace desk {

struct WebResponse {
  int status = 200;
  std::string contentType;
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;  // Location, Cache-Control, Allow
};

// An outcome of the desk: the HTTP status and the JSON body a request answers.
struct DeskOutcome {
  int status = 200;
  nlohmann::json body;
};

class WebRoutes {
 public:
  // Called exactly once, on the UI thread or on the thread that made the request.
  using Reply = std::function<void(WebResponse)>;
  using Outcome = std::function<void(DeskOutcome)>;

  explicit WebRoutes(WebDesk& desk) : desk_(desk) {}

  // A request with its body; the method is GET, HEAD or POST.
  void serve(std::string_view method, std::string_view target, std::string body, Reply reply);

  // The masks' requests, for HTTP and the WebSocket alike.
  // An action answers when it is done, or as soon as the mask waits for the page (202).
  void act(const std::string& id, ActionRequest action, Outcome outcome);
  void answer(const std::string& id, AnswerRequest answer, Outcome outcome);
  // Releases the instance at once; 404 for one the desk does not hold.
  void close(const std::string& id, Outcome outcome);
  // The instance's channel, with its current state published in it.
  void watch(const std::string& id,
             std::function<void(std::shared_ptr<StateChannel>, DeskOutcome)> watched);

  static WebResponse jsonResponse(const DeskOutcome& outcome);
  static WebResponse errorResponse(int status, std::string_view message, bool api);

 private:
  // Runs work on the UI thread and gives its JSON, or the error it refused with.
  void onUi(std::function<nlohmann::json()> work, Outcome outcome);
  void serveGet(std::string_view path, std::string_view query, Reply reply);
  void servePost(std::string_view path, std::string body, Reply reply);

  WebDesk& desk_;
};

std::string escapeHtml(std::string_view text);

}  // namespace desk
