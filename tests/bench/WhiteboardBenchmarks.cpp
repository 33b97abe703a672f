// The web page's read of the whole whiteboard after a Send: every section with its keys, from a
// file that another save has just changed, for whiteboards of many sections.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/Whiteboard.h"

namespace {

namespace fs = std::filesystem;

// A whiteboard of mask-like sections, each with a marker and a value; round makes the text of
// the last value differ from one round to the next.
std::string whiteboardText(long sections, long round) {
  std::string text;
  text.reserve(static_cast<std::size_t>(sections) * 48);
  for (long i = 0; i < sections; ++i) {
    const std::string number = std::to_string(i);
    text += "[PNR.SECTION." + number + "]\nMARKER=1\nVALUE=TEXT " + number + "\n";
  }
  return text + "[LAST]\nROUND=" + std::to_string(round) + "\n";
}

void BM_WebPageWhiteboardRead(benchmark::State& state) {
  const fs::path folder =
      fs::temp_directory_path() / ("quillet-bench-board-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path previousHome = desk::home();  // the other benchmarks' home, given back after
  desk::setHome(folder);
  const fs::path file = desk::whiteboardFile();
  long round = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string text = whiteboardText(state.range(0), ++round);
    bytes = text.size();
    {
      const desk::FileLock lock = desk::FileLock::acquire(desk::lockFileFor(file));
      desk::replaceFile(file, text);
    }
    state.ResumeTiming();
    const auto sections = desk::whiteboardSections();
    if (sections.size() != static_cast<std::size_t>(state.range(0)) + 1) {
      state.SkipWithError("the read missed sections");
    }
    benchmark::DoNotOptimize(sections.data());
  }
  state.SetLabel(std::to_string(bytes) + " bytes");
  desk::setHome(previousHome);
  fs::remove_all(folder);
}

BENCHMARK(BM_WebPageWhiteboardRead)
    ->Name("WebPage/WhiteboardRead")
    ->Arg(16000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
