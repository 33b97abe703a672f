// What the desk spends on one preview of Send while the agent types: a hidden instance of the
// mask created through the module, the shown dialog's states copied over, its Send run in the
// sandbox. Runs against the built module, as a container does.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "desk/container/Container.h"
#include "desk/home/DeskHome.h"
#include "platform/window/AgentInput.h"

namespace {

class Silent final : public desk::ContainerListener, public desk::DialogAnswerer {
 public:
  void eventFired(std::string_view, const std::vector<std::string>&) override {}
  void messageBoxShown(const desk::MessageBoxRequest&) override {}
  void messageBoxClosed(const desk::MessageBoxRequest&, int) override {}
  void modalDialogOpened(desk::DialogKind) override {}
  void modalDialogClosed(desk::DialogKind, const std::optional<desk::ModalAnswer>&) override {}
  void shellOpened(std::string_view) override {}
  void logged(const desk::LogLine&) override {}
  void requested(std::string_view) override {}
  void callReturned(const desk::CallResult&) override {}
  int answerMessageBox(const desk::MessageBoxRequest&) override { return platform::IDOK; }
  std::optional<desk::ModalAnswer> answerModalDialog(desk::DialogKind) override { return {}; }
};

struct PreviewInput {
  const char* name;
  std::vector<int> clicks;                         // controls the agent clicks first
  std::vector<std::pair<int, const char*>> texts;  // control id and its text
};

// The largest mask with a Send button: the delete e-mail mask with all ten lines filled.
const PreviewInput kPreviews[] = {
    {"PNRCreationFax", {}, {{304, "5551234"}}},
    {"PNRDeleteEmail",
     {184},
     {{194, "1"},
      {196, "2"},
      {198, "3"},
      {200, "4"},
      {202, "5"},
      {204, "6"},
      {206, "7"},
      {208, "8"},
      {210, "9"},
      {212, "10"}}},
    // The largest mask: nine passenger rows; its Send asks the host for the agent data.
    {"PNRCreationFIT",
     {},
     {{183, "SMITH"},
      {193, "JOHN"},
      {324, "JONES"},
      {328, "ANN"},
      {336, "LEE"},
      {340, "BO"},
      {348, "KIM"},
      {352, "SU"},
      {360, "TAN"},
      {364, "MEI"},
      {372, "WONG"},
      {376, "LI"},
      {384, "OKAFOR"},
      {388, "ADA"},
      {396, "NGUYEN"},
      {399, "VAN"},
      {831, "GARCIA"},
      {838, "LUIS"},
      {415, "5551234"}}},
};

void BM_Preview(benchmark::State& state, const PreviewInput& input) {
  const std::filesystem::path previousHome = desk::home();
  const auto folder = std::filesystem::temp_directory_path() /
                      ("quillet-preview-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  desk::prepareHome(folder);
  desk::setHome(folder);
  {
    const desk::ModuleLoader module(desk::ModuleLoader::defaultModulePath());
    Silent frontEnd;
    desk::Container container(module, *typelib::findClass(input.name), frontEnd, frontEnd);
    platform::Window& dialog = container.openMask();
    for (int id : input.clicks) platform::click(*dialog.child(id));
    for (const auto& [id, text] : input.texts) {
      if (platform::Window* control = dialog.child(id)) control->setText(text);
    }
    for (auto _ : state) {
      const desk::PreviewResult result = container.preview();
      benchmark::DoNotOptimize(result.text.data());
    }
  }
  desk::setHome(previousHome);
  std::filesystem::remove_all(folder);
}

const bool kRegistered = [] {
  for (const PreviewInput& input : kPreviews) {
    benchmark::RegisterBenchmark((std::string("Preview/") + input.name).c_str(), BM_Preview, input);
  }
  return true;
}();

}  // namespace
