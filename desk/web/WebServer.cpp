#include "desk/web/WebServer.h"

#include <fstream>
#include <sstream>

#include <httplib.h>

#include "desk/home/DeskHome.h"
#include "desk/web/Journal.h"
#include "desk/web/PageActions.h"
#include "desk/web/WebPage.h"

namespace desk {

using namespace platform;
using nlohmann::json;

namespace {

constexpr auto kStreamHeartbeat = std::chrono::seconds(2);
constexpr std::size_t kLargestSearch = 200;

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

void sendJson(httplib::Response& response, const json& body, int status = 200) {
  response.status = status;
  response.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace),
                       "application/json; charset=utf-8");
}

void sendError(httplib::Response& response, int status, std::string_view message) {
  sendJson(response, {{"error", message}}, status);
}

void sendErrorPage(httplib::Response& response, int status, std::string_view title,
                   std::string_view message) {
  response.status = status;
  response.set_content(errorPage(escapeHtml(title), escapeHtml(message)),
                       "text/html; charset=utf-8");
}

// Reads a request body, or answers why it cannot be read.
template <typename Parse>
auto parsedBody(const httplib::Request& request, httplib::Response& response, Parse parse)
    -> std::optional<decltype(parse(std::string_view()))> {
  try {
    return parse(request.body);
  } catch (const WebRequestError& error) {
    sendError(response, error.status(), error.what());
    return std::nullopt;
  }
}

std::string contentType(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  if (extension == ".html" || extension == ".htm") return "text/html; charset=utf-8";
  if (extension == ".css") return "text/css; charset=utf-8";
  if (extension == ".js") return "text/javascript; charset=utf-8";
  if (extension == ".png") return "image/png";
  if (extension == ".svg") return "image/svg+xml";
  if (extension == ".ttf") return "font/ttf";
  if (extension == ".pdf") return "application/pdf";
  return "text/plain; charset=utf-8";
}

}  // namespace

WebServer::WebServer(WebDesk& desk) : desk_(desk), server_(std::make_unique<httplib::Server>()) {
  // Every open page holds one thread with its stream.
  server_->new_task_queue = [] { return new httplib::ThreadPool(64); };
  server_->set_payload_max_length(kLargestBody);
  server_->set_tcp_nodelay(true);
  routes();
}

WebServer::~WebServer() {
  stop();
}

int WebServer::bind(const std::string& host, int port) {
  boundHost_ = host;
  if (port == 0) {
    boundPort_ = server_->bind_to_any_port(host);
  } else {
    boundPort_ = server_->bind_to_port(host, port) ? port : -1;
  }
  return boundPort_;
}

bool WebServer::isOwnHost(const std::string& host) const {
  const bool loopback = boundHost_ == "127.0.0.1" || boundHost_ == "localhost" ||
                        boundHost_ == "::1" || boundHost_.starts_with("127.");
  if (!loopback) return true;  // the desk was told to serve other machines, by any name
  const std::string port = ":" + std::to_string(boundPort_);
  for (const std::string& name :
       {boundHost_, std::string("127.0.0.1"), std::string("localhost"), std::string("[::1]")}) {
    if (host == name || host == name + port) return true;
  }
  return false;
}

void WebServer::listen() {
  server_->listen_after_bind();
}

void WebServer::stop() {
  stopping_->store(true);
  server_->stop();
}

void WebServer::routes() {
  httplib::Server& server = *server_;
  WebDesk& desk = desk_;
  UiThread& ui = desk.ui();

  // Runs work on the UI thread and answers its JSON, or the error it refused with.
  auto onUi = [&ui](httplib::Response& response, const std::function<json()>& work) {
    try {
      sendJson(response, ui.invoke(work));
    } catch (const WebRequestError& error) {
      sendError(response, error.status(), error.what());
    } catch (const UiThreadStopped& error) {
      sendError(response, 503, error.what());
    } catch (const std::exception& error) {
      sendError(response, 500, error.what());
    }
  };

  server.set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) {
        if (!isOwnHost(request.get_header_value("Host"))) {
          sendError(response, 421, "this desk answers only to its own address");
          return httplib::Server::HandlerResponse::Handled;
        }
        // Another site's page can post a form here, but not JSON.
        const bool changes = request.method == "POST" && !request.path.ends_with("/close");
        if (changes && !request.get_header_value("Content-Type").starts_with("application/json")) {
          sendError(response, 415, "the desk takes JSON requests only");
          return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
      });
  server.set_exception_handler(
      [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        sendError(response, 500, "the desk could not answer the request");
      });
  server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
    if (!response.body.empty()) return;
    const std::string message = response.status == 413   ? "The request is too large."
                                : response.status == 404 ? "The desk has nothing at this address."
                                                         : "The desk cannot answer this request.";
    if (request.path.starts_with("/api/")) {
      sendError(response, response.status, message);
    } else {
      sendErrorPage(response, response.status, "Error " + std::to_string(response.status), message);
    }
  });

  // The page.
  server.Get("/", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(std::string(pageFile("desk.html")), "text/html; charset=utf-8");
  });
  server.Get(R"(/assets/([a-z0-9-]+\.(css|js|svg|ttf)))", [](const httplib::Request& request,
                                                             httplib::Response& response) {
    const std::string name = request.matches[1];
    const std::string_view bytes = pageFile(name);
    if (bytes.empty()) {
      sendErrorPage(response, 404, "Not found", "The desk has no such asset.");
      return;
    }
    response.set_content(std::string(bytes), contentType(name));
    // The font comes from a Debian package and seldom changes: each page load
    // need not fetch it again.
    response.set_header("Cache-Control", name.ends_with(".ttf") ? "max-age=86400" : "no-cache");
  });
  server.Get(R"(/mask/([^/]*))", [&desk, &ui](const httplib::Request& request,
                                              httplib::Response& response) {
    const std::string className = request.matches[1];
    try {
      const std::string id = ui.invoke([&] {
        const typelib::ClassDescription* description = desk.findServedClass(className);
        if (description == nullptr) {
          throw WebRequestError(404, "The desk serves no mask \"" + className + "\".");
        }
        if (request.has_param("lang")) desk.setLanguage(request.get_param_value("lang"));
        return desk.openMask(*description);
      });
      response.set_content(maskPage(id, escapeHtml(className)), "text/html; charset=utf-8");
      response.set_header("Cache-Control", "no-store");
    } catch (const WebRequestError& error) {
      sendErrorPage(response, error.status(),
                    error.status() == 404 ? "No such mask" : "The mask did not open", error.what());
    } catch (const std::exception& error) {
      sendErrorPage(response, 500, "The mask did not open", error.what());
    }
  });
  server.Get(R"(/open/([0-9a-f]+))",
             [&ui, &desk](const httplib::Request& request, httplib::Response& response) {
               const std::string token = request.matches[1];
               std::optional<WebDesk::Document> document;
               try {
                 document = ui.invoke([&] { return desk.document(token); });
               } catch (const std::exception&) {
               }
               if (!document) {
                 sendErrorPage(response, 404, "Not found", "The desk opened no such document.");
               } else if (!document->address.empty()) {
                 response.set_redirect(document->address);
               } else {
                 std::ifstream file(document->file, std::ios::binary);
                 std::ostringstream content;
                 content << file.rdbuf();
                 response.set_content(content.str(), contentType(document->file));
               }
             });

  // The desk.
  server.Get("/api/desk", [onUi, &desk](const httplib::Request&, httplib::Response& response) {
    onUi(response, [&] { return desk.deskState(); });
  });
  server.Post("/api/desk",
              [onUi, &desk](const httplib::Request& request, httplib::Response& response) {
                auto body = parsedBody(request, response, parseDeskRequest);
                if (!body) return;
                onUi(response, [&] {
                  if (body->pnr) desk.openPnr(*body->pnr);
                  if (body->language) desk.setLanguage(*body->language);
                  if (body->preview) desk.showPreview(*body->preview);
                  if (body->backOffice) desk.useBackOffice(*body->backOffice);
                  return desk.deskState();
                });
              });
  // The journal of sent entries: read beside the UI thread, which it never waits for.
  server.Get("/api/journal", [&desk](const httplib::Request& request, httplib::Response& response) {
    try {
      if (desk.journal() == nullptr) throw WebRequestError(503, "the desk keeps no journal");
      sendJson(response, journalJson(*desk.journal(), request.get_param_value("q"),
                                     request.get_param_value("limit")));
    } catch (const WebRequestError& error) {
      sendError(response, error.status(), error.what());
    } catch (const std::exception& error) {
      sendError(response, 500, error.what());
    }
  });
  // The masks.
  server.Get(R"(/api/mask/([0-9a-f]+)/state)",
             [onUi, &desk](const httplib::Request& request, httplib::Response& response) {
               const std::string id = request.matches[1];
               onUi(response, [&] { return desk.mask(id).state(); });
             });
  server.Get(R"(/api/mask/([0-9a-f]+)/coder)",
             [onUi, &desk](const httplib::Request& request, httplib::Response& response) {
               const std::string id = request.matches[1];
               const std::string query = request.get_param_value("q");
               onUi(response, [&] { return desk.mask(id).searchCodes(query, kLargestSearch); });
             });
  server.Post(R"(/api/mask/([0-9a-f]+)/act)",
              [&desk, &ui](const httplib::Request& request, httplib::Response& response) {
                const std::string id = request.matches[1];
                auto body = parsedBody(request, response, parseActionRequest);
                if (!body) return;
                // The answer comes when the action is done, or as soon as the mask waits for the
                // page (a message box inside the handler): the page answers that through the
                // stream.
                struct Outcome {
                  int status = 200;
                  json body;
                };
                auto promise = std::make_shared<std::promise<Outcome>>();
                auto answered = std::make_shared<std::atomic<bool>>(false);
                auto finish = [promise, answered](Outcome outcome) {
                  if (!answered->exchange(true)) promise->set_value(std::move(outcome));
                };
                try {
                  ui.post([&desk, id, action = std::move(*body), finish] {
                    Outcome outcome{200, {{"done", true}}};
                    try {
                      WebMask& mask = desk.mask(id);
                      std::shared_ptr<StateChannel> channel = mask.channel();
                      mask.whenWaiting([finish, channel] {
                        finish({202, {{"waiting", true}, {"version", channel->version()}}});
                      });
                      desk.act(id, [action](WebMask& target) { runAction(target, action); });
                      outcome.body["version"] = channel->version();
                    } catch (const WebRequestError& error) {
                      outcome = {error.status(), {{"error", error.what()}}};
                    } catch (const std::exception& error) {
                      outcome = {500, {{"error", error.what()}}};
                    }
                    finish(std::move(outcome));
                  });
                  Outcome outcome = promise->get_future().get();
                  sendJson(response, outcome.body, outcome.status);
                } catch (const std::exception&) {
                  sendError(response, 503, "the desk is shutting down");
                }
              });
  server.Post(R"(/api/mask/([0-9a-f]+)/answer)",
              [onUi, &desk](const httplib::Request& request, httplib::Response& response) {
                const std::string id = request.matches[1];
                auto body = parsedBody(request, response, parseAnswerRequest);
                if (!body) return;
                onUi(response, [&] {
                  desk.answer(id, *body);
                  return json{{"done", true}};
                });
              });
  server.Post(R"(/api/mask/([0-9a-f]+)/close)",
              [onUi, &desk](const httplib::Request& request, httplib::Response& response) {
                const std::string id = request.matches[1];
                onUi(response, [&] {
                  desk.release(id);
                  return json{{"done", true}};
                });
              });
  server.Get(R"(/api/mask/([0-9a-f]+)/stream)",
             [&desk, &ui, stopping = stopping_](const httplib::Request& request,
                                                httplib::Response& response) {
               const std::string id = request.matches[1];
               std::shared_ptr<StateChannel> channel;
               try {
                 channel = ui.invoke([&] {
                   WebMask& mask = desk.mask(id);
                   mask.publish();
                   return mask.channel();
                 });
               } catch (const WebRequestError& error) {
                 sendError(response, error.status(), error.what());
                 return;
               } catch (const std::exception&) {
                 sendError(response, 503, "the desk is shutting down");
                 return;
               }
               channel->subscribe();
               auto seen = std::make_shared<std::uint64_t>(0);
               response.set_header("Cache-Control", "no-store");
               response.set_chunked_content_provider(
                   "text/event-stream",
                   [channel, seen, stopping](std::size_t, httplib::DataSink& sink) {
                     if (stopping->load()) return false;
                     auto published = channel->waitNewer(*seen, kStreamHeartbeat);
                     std::string message;
                     if (published) {
                       *seen = published->version;
                       message = "id: " + std::to_string(published->version) +
                                 "\ndata: " + published->state + "\n\n";
                     } else if (channel->closed()) {
                       message = "event: closed\ndata: {}\n\n";
                     } else {
                       message = ": still here\n\n";
                     }
                     if (!sink.write(message.data(), message.size())) return false;
                     if (!published && channel->closed()) {
                       sink.done();
                     }
                     return true;
                   },
                   [channel](bool) { channel->unsubscribe(); });
             });
}

}  // namespace desk
