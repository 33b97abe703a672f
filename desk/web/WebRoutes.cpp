#include "desk/web/WebRoutes.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "desk/web/Journal.h"
#include "desk/web/PageActions.h"
#include "desk/web/SocketMessages.h"
#include "desk/web/WebAddress.h"
#include "desk/web/WebPage.h"
#include "desk/web/WorkspaceRequests.h"

namespace desk {

using nlohmann::json;

namespace {

constexpr std::size_t kLargestSearch = 200;
constexpr const char* kHtml = "text/html; charset=utf-8";

std::string contentType(std::string_view name) {
  const auto dot = name.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
  if (extension == ".html" || extension == ".htm") return kHtml;
  if (extension == ".css") return "text/css; charset=utf-8";
  if (extension == ".js") return "text/javascript; charset=utf-8";
  if (extension == ".png") return "image/png";
  if (extension == ".svg") return "image/svg+xml";
  if (extension == ".woff2") return "font/woff2";
  if (extension == ".woff") return "font/woff";
  if (extension == ".ttf") return "font/ttf";
  if (extension == ".pdf") return "application/pdf";
  return "text/plain; charset=utf-8";
}

// A name of the page's own files: lower-case letters, digits and dashes, and a known kind.
bool isAssetName(std::string_view name) {
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const std::string_view stem = name.substr(0, dot);
  const std::string_view extension = name.substr(dot + 1);
  const bool plain = std::all_of(stem.begin(), stem.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
  });
  return plain &&
         (extension == "css" || extension == "js" || extension == "svg" || extension == "png" ||
          extension == "woff2" || extension == "woff" || extension == "ttf");
}

// "/api/mask/ID/VERB": the id and the verb; nothing for any other path.
std::optional<std::pair<std::string, std::string_view>> maskRequest(std::string_view path) {
  constexpr std::string_view kPrefix = "/api/mask/";
  if (!path.starts_with(kPrefix)) return std::nullopt;
  path.remove_prefix(kPrefix.size());
  const auto slash = path.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view verb = path.substr(slash + 1);
  if (verb.find('/') != std::string_view::npos) return std::nullopt;
  return std::pair{std::string(path.substr(0, slash)), verb};
}

bool isGetVerb(std::string_view verb) {
  return verb == "state" || verb == "coder";
}
bool isPostVerb(std::string_view verb) {
  return verb == "act" || verb == "answer" || verb == "close";
}

WebResponse htmlPage(int status, std::string body) {
  WebResponse response;
  response.status = status;
  response.contentType = kHtml;
  response.body = std::move(body);
  return response;
}

WebResponse notAllowed(std::string allowed) {
  WebResponse response =
      WebRoutes::errorResponse(405, "The desk does not take this method at this address.", true);
  response.headers.emplace_back("Allow", std::move(allowed));
  return response;
}

// Reads a request body, or gives why it cannot be read.
template <typename Parse>
auto parsedBody(const std::string& body, const WebRoutes::Reply& reply, Parse parse)
    -> std::optional<decltype(parse(std::string_view()))> {
  try {
    return parse(std::string_view(body));
  } catch (const WebRequestError& error) {
    reply(WebRoutes::errorResponse(error.status(), error.what(), true));
    return std::nullopt;
  }
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

WebResponse WebRoutes::jsonResponse(const DeskOutcome& outcome) {
  WebResponse response;
  response.status = outcome.status;
  response.contentType = "application/json; charset=utf-8";
  response.body = outcome.body.dump(-1, ' ', false, json::error_handler_t::replace);
  response.headers.emplace_back("Cache-Control", "no-store");
  return response;
}

WebResponse WebRoutes::errorResponse(int status, std::string_view message, bool api) {
  if (api) return jsonResponse({status, {{"error", message}}});
  return htmlPage(status,
                  errorPage(escapeHtml("Error " + std::to_string(status)), escapeHtml(message)));
}

void WebRoutes::onUi(std::function<json()> work, Outcome outcome) {
  const auto run = [work = std::move(work), outcome] {
    DeskOutcome result;
    try {
      result.body = work();
    } catch (const WebRequestError& error) {
      result = {error.status(), {{"error", error.what()}}};
    } catch (const UiThreadStopped& error) {
      result = {503, {{"error", error.what()}}};
    } catch (const std::exception& error) {
      result = {500, {{"error", error.what()}}};
    }
    outcome(std::move(result));
  };
  try {
    desk_.ui().post(run);
  } catch (const UiThreadStopped& error) {
    outcome({503, {{"error", error.what()}}});
  }
}

void WebRoutes::serve(std::string_view method, std::string_view target, std::string body,
                      Reply reply) {
  const WebAddress address = splitTarget(target);
  const std::string_view path = address.path;
  const bool api = path.starts_with("/api/");
  const bool page = path == "/" || path.starts_with("/assets/");
  const auto mask = maskRequest(path);
  const bool getRoute = page || path.starts_with("/mask/") || path.starts_with("/open/") ||
                        path == "/api/desk" || path == "/api/ws" || path == "/api/journal" ||
                        (mask && isGetVerb(mask->second));
  const bool postRoute = path == "/api/desk" || path == "/api/open" || path == "/api/host" ||
                         (mask && isPostVerb(mask->second));
  if (method == "GET" || (method == "HEAD" && page)) {
    if (getRoute) return serveGet(path, address.query, std::move(reply));
    if (postRoute) return reply(notAllowed("POST"));
  } else if (method == "HEAD") {
    // A HEAD never opens anything: only the page's own files answer it.
    if (getRoute) return reply(notAllowed(postRoute ? "GET, POST" : "GET"));
    if (postRoute) return reply(notAllowed("POST"));
  } else if (method == "POST") {
    if (postRoute) return servePost(path, std::move(body), std::move(reply));
    if (getRoute) return reply(notAllowed(page ? "GET, HEAD" : "GET"));
  } else {
    return reply(notAllowed("GET, HEAD, POST"));
  }
  reply(errorResponse(404, "The desk has nothing at this address.", api));
}

void WebRoutes::serveGet(std::string_view path, std::string_view query, Reply reply) {
  WebDesk& desk = desk_;
  const auto answerJson = [reply](DeskOutcome outcome) { reply(jsonResponse(outcome)); };
  if (path == "/") {
    WebResponse response = htmlPage(200, std::string(pageFile("desk.html")));
    response.headers.emplace_back("Cache-Control", "no-cache");
    return reply(std::move(response));
  }
  if (path.starts_with("/assets/")) {
    const std::string_view name = path.substr(8);
    const std::string_view bytes = isAssetName(name) ? pageFile(name) : std::string_view();
    if (bytes.empty()) {
      return reply(errorResponse(404, "The desk has no such asset.", false));
    }
    WebResponse response{200, contentType(name), std::string(bytes), {}};
    // The font comes from a Debian package and seldom changes: a page load need not fetch it
    // again.
    response.headers.emplace_back("Cache-Control",
                                  name.ends_with(".ttf") ? "max-age=86400" : "no-cache");
    return reply(std::move(response));
  }
  if (path.starts_with("/mask/")) {
    const auto className = percentDecoded(path.substr(6));
    if (!className || className->find('/') != std::string::npos) {
      return reply(errorResponse(404, "The desk serves no such mask.", false));
    }
    // The language the page asks for belongs to this instance alone; the desk-wide language
    // is a change that only POST /api/desk makes.
    const std::optional<std::string> language = queryValue(query, "lang");
    onUi(
        [&desk, name = *className, language]() -> nlohmann::json {
          const typelib::ClassDescription* description = desk.findServedClass(name);
          if (description == nullptr) {
            throw WebRequestError(404, "The desk serves no mask \"" + name + "\".");
          }
          return desk.openMask(*description, language);
        },
        [reply, name = *className](DeskOutcome outcome) {
          if (outcome.status != 200) {
            const std::string message = outcome.body.value("error", std::string());
            return reply(
                htmlPage(outcome.status,
                         errorPage(outcome.status == 404 ? "No such mask" : "The mask did not open",
                                   escapeHtml(message))));
          }
          WebResponse response =
              htmlPage(200, maskPage(outcome.body.get<std::string>(), escapeHtml(name)));
          response.headers.emplace_back("Cache-Control", "no-store");
          reply(std::move(response));
        });
    return;
  }
  if (path.starts_with("/open/")) {
    const std::string token(path.substr(6));
    const bool hex =
        !token.empty() && token.size() <= 64 && std::all_of(token.begin(), token.end(), [](char c) {
          return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        });
    if (!hex) return reply(errorResponse(404, "The desk opened no such document.", false));
    auto document = std::make_shared<std::optional<WebDesk::Document>>();
    onUi(
        [&desk, token, document] {
          *document = desk.document(token);
          return json();
        },
        [reply, document](DeskOutcome) {
          if (!*document) {
            return reply(errorResponse(404, "The desk opened no such document.", false));
          }
          if (!(*document)->address.empty()) {
            WebResponse response{303, kHtml, {}, {}};
            response.headers.emplace_back("Location", (*document)->address);
            return reply(std::move(response));
          }
          std::ifstream file((*document)->file, std::ios::binary);
          std::ostringstream content;
          content << file.rdbuf();
          reply({200, contentType((*document)->file.filename().string()), content.str(), {}});
        });
    return;
  }
  if (path == "/api/desk") {
    return onUi([&desk] { return desk.deskState(); }, answerJson);
  }
  if (path == "/api/journal") {
    const std::string search = queryValue(query, "q").value_or("");
    const std::string limit = queryValue(query, "limit").value_or("");
    return onUi(
        [&desk, search, limit] {
          if (desk.journal() == nullptr) throw WebRequestError(503, "the desk keeps no journal");
          return journalJson(*desk.journal(), search, limit);
        },
        answerJson);
  }
  if (path == "/api/ws") {
    return reply(errorResponse(400, "This address takes WebSocket connections only.", true));
  }
  const auto mask = maskRequest(path);
  if (!isInstanceId(mask->first)) {
    return reply(errorResponse(404, "the desk has no open mask of that id", true));
  }
  if (mask->second == "state") {
    return onUi([&desk, id = mask->first] { return desk.mask(id).state(); }, answerJson);
  }
  const std::string search = queryValue(query, "q").value_or("");
  onUi([&desk, id = mask->first,
        search] { return desk.mask(id).searchCodes(search, kLargestSearch); },
       answerJson);
}

void WebRoutes::servePost(std::string_view path, std::string body, Reply reply) {
  WebDesk& desk = desk_;
  const auto answerJson = [reply](DeskOutcome outcome) { reply(jsonResponse(outcome)); };
  if (path == "/api/desk") {
    auto request =
        parsedBody(body, reply, [](std::string_view text) { return parseDeskRequest(text); });
    if (!request) return;
    onUi(
        [&desk, request = *request] {
          if (request.pnr) desk.openPnr(*request.pnr);
          if (request.language) desk.setLanguage(*request.language);
          if (request.preview) desk.showPreview(*request.preview);
          if (request.backOffice) desk.useBackOffice(*request.backOffice);
          return desk.deskState();
        },
        answerJson);
    return;
  }
  if (path == "/api/open") {
    auto request =
        parsedBody(body, reply, [](std::string_view text) { return parseOpenRequest(text); });
    if (!request) return;
    onUi(
        [&desk, request = std::move(*request)]() -> json {
          const typelib::ClassDescription* description = desk.findServedClass(request.mask);
          if (description == nullptr) {
            throw WebRequestError(404, "The desk serves no mask \"" + request.mask + "\".");
          }
          const std::string id = desk.openMask(*description, request.language);
          return {{"id", id}, {"mask", request.mask}, {"title", plainTitle(request.mask)}};
        },
        answerJson);
    return;
  }
  if (path == "/api/host") {
    auto request =
        parsedBody(body, reply, [](std::string_view text) { return parseHostEntryRequest(text); });
    if (!request) return;
    onUi([&desk, request = std::move(
                     *request)] { return runTypedEntry(desk.host(), desk.journal(), request); },
         answerJson);
    return;
  }
  const auto mask = maskRequest(path);
  if (!isInstanceId(mask->first)) {
    return reply(errorResponse(404, "the desk has no open mask of that id", true));
  }
  if (mask->second == "act") {
    auto request =
        parsedBody(body, reply, [](std::string_view text) { return parseActionRequest(text); });
    if (request) act(mask->first, std::move(*request), answerJson);
  } else if (mask->second == "answer") {
    auto request =
        parsedBody(body, reply, [](std::string_view text) { return parseAnswerRequest(text); });
    if (request) answer(mask->first, std::move(*request), answerJson);
  } else {
    close(mask->first, answerJson);
  }
}

void WebRoutes::act(const std::string& id, ActionRequest action, Outcome outcome) {
  WebDesk& desk = desk_;
  // The outcome goes once: when the action is done, or as soon as the mask waits for the page
  // (a message box inside the handler), which answers it through its state.
  auto answered = std::make_shared<std::atomic<bool>>(false);
  auto finish = [outcome = std::move(outcome), answered](DeskOutcome result) {
    if (!answered->exchange(true)) outcome(std::move(result));
  };
  onUi(
      [&desk, id, action = std::move(action), finish] {
        WebMask& mask = desk.mask(id);
        std::shared_ptr<StateChannel> channel = mask.channel();
        mask.whenWaiting([finish, channel] {
          finish({202, {{"waiting", true}, {"version", channel->version()}}});
        });
        // By value: a handler that waits on a box outlives this task.
        desk.act(id, [action](WebMask& target) { runAction(target, action); });
        return json{{"done", true}, {"version", channel->version()}};
      },
      finish);
}

void WebRoutes::answer(const std::string& id, AnswerRequest request, Outcome outcome) {
  WebDesk& desk = desk_;
  onUi(
      [&desk, id, request = std::move(request)] {
        desk.answer(id, request);
        return json{{"done", true}};
      },
      std::move(outcome));
}

void WebRoutes::close(const std::string& id, Outcome outcome) {
  WebDesk& desk = desk_;
  onUi(
      [&desk, id] {
        desk.mask(id);  // an instance the desk does not hold is 404
        desk.release(id);
        return json{{"done", true}};
      },
      std::move(outcome));
}

void WebRoutes::watch(const std::string& id,
                      std::function<void(std::shared_ptr<StateChannel>, DeskOutcome)> watched) {
  WebDesk& desk = desk_;
  auto channel = std::make_shared<std::shared_ptr<StateChannel>>();
  onUi(
      [&desk, id, channel] {
        WebMask& mask = desk.mask(id);
        mask.publish();
        *channel = mask.channel();
        return json{{"done", true}};
      },
      [channel, watched = std::move(watched)](DeskOutcome outcome) {
        watched(*channel, std::move(outcome));
      });
}

}  // namespace desk
