// One keystroke of the page on the web desk, directly on the desk (no HTTP): the action in
// the instance's own context with its activation, the page's new state and the preview it
// schedules; with one mask open, and with 26 open and the agent going from tab to tab.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/web/PageActions.h"
#include "desk/web/WebDesk.h"

namespace {

void BM_WebDeskKeystroke(benchmark::State& state) {
  const std::filesystem::path previousHome = desk::home();
  const auto folder =
      std::filesystem::temp_directory_path() / ("quillet-web-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  desk::prepareHome(folder);
  desk::setHome(folder);
  {
    const desk::ModuleLoader module(desk::ModuleLoader::defaultModulePath());
    desk::UiThread ui;
    desk::WebDesk desk(module, ui, std::chrono::minutes(1));
    std::vector<std::string> ids;
    for (int i = 0; i < state.range(0); ++i) {
      ids.push_back(desk.openMask(*desk.findServedClass("PNRCreationFax")));
    }
    const desk::ActionRequest type =
        desk::parseActionRequest(std::string_view(R"({"do":"type","control":304,"text":"5"})"));
    const desk::ActionRequest erase =
        desk::parseActionRequest(std::string_view(R"({"do":"key","key":"Backspace"})"));
    std::size_t next = 0;
    for (auto _ : state) {
      const std::string& id = ids[next++ % ids.size()];
      desk.act(id, [&type](desk::WebMask& mask) { desk::runAction(mask, type); });
      desk.act(id, [&erase](desk::WebMask& mask) { desk::runAction(mask, erase); });
    }
    state.SetItemsProcessed(2 * state.iterations());
    desk.releaseAll();
  }
  desk::setHome(previousHome);
  std::filesystem::remove_all(folder);
}

BENCHMARK(BM_WebDeskKeystroke)->Arg(1)->Arg(26)->Unit(benchmark::kMicrosecond);

}  // namespace
