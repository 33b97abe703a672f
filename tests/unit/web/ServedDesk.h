#pragma once
// A desk serving on a free loopback port in this process, for the tests of its server.

#include <future>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "desk/home/DeskHome.h"
#include "desk/web/WebServer.h"
#include "tests/unit/desk/TempHome.h"
#include "tests/unit/web/DeskClient.h"

namespace desk::test {

using nlohmann::json;

// A desk serving on a free loopback port; its UI thread is a thread of the test. Instances
// whose page has not read them for the grace period are released, as by quillet serve.
class ServedDesk {
 public:
  explicit ServedDesk(std::chrono::milliseconds grace = std::chrono::milliseconds(60000)) {
    prepareHome(home_.folder() / "home");
    setHome(home_.folder() / "home");
    std::promise<int> bound;
    auto port = bound.get_future();
    ui_ = std::thread([this, &bound, grace] {
      WebDesk desk(module_, uiThread_, grace);
      WebServer server(desk, kToken);
      desk_ = &desk;
      bound.set_value(server.bind("127.0.0.1", 0));
      std::thread listener([&server] { server.listen(); });
      uiThread_.run([&desk] { desk.releaseUnwatched(); }, std::chrono::milliseconds(20));
      server.stop();
      listener.join();
      desk.releaseAll();
    });
    port_ = port.get();
  }
  ~ServedDesk() {
    uiThread_.stop();
    ui_.join();
  }

  static constexpr const char* kToken = "test-token-0123456789abcdef";
  // A client signed in with the token (or not, with an empty one).
  DeskClient client(std::string token = kToken) const { return DeskClient(port_, token); }
  int port() const { return port_; }
  // The Origin of the desk's own pages.
  std::string origin() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int previewsComputed(const std::string& id) {
    return uiThread_.invoke([this, &id] { return desk_->mask(id).previewsComputed; });
  }
  std::size_t instances() {
    return uiThread_.invoke([this] { return desk_->instanceCount(); });
  }
  // Runs work as the instance on the UI thread, as the mask's own handlers run.
  template <typename Work>
  void runAs(const std::string& id, Work work) {
    uiThread_.invoke([&] { desk_->act(id, work); });
  }

  // Opens a mask page and returns the instance id it carries.
  std::string open(const std::string& className) {
    auto page = client().Get("/mask/" + className);
    EXPECT_EQ(page->status, 200);
    return instanceOf(page->body);
  }
  static std::string instanceOf(const std::string& page) {
    const std::string marker = "data-instance=\"";
    const auto at = page.find(marker) + marker.size();
    return page.substr(at, page.find('"', at) - at);
  }

  std::optional<HttpAnswer> act(const std::string& id, const json& action) {
    return client().Post("/api/mask/" + id + "/act", action.dump(), "application/json");
  }
  json state(const std::string& id) {
    return json::parse(client().Get("/api/mask/" + id + "/state")->body);
  }
  const ModuleLoader& module() const { return module_; }
  std::string text(const std::string& id, int control) {
    const json shown = state(id);
    for (const json& controlState : shown["dialog"]["controls"]) {
      if (controlState["id"] == control) return controlState["text"];
    }
    return "(none)";
  }

 private:
  TempHome home_;
  ModuleLoader module_{ModuleLoader::defaultModulePath()};
  UiThread uiThread_;
  WebDesk* desk_ = nullptr;
  std::thread ui_;
  int port_ = 0;
};

}  // namespace desk::test
