// The whiteboard under load, large: writer processes saving one section at once while readers
// check every file they see, then a writer killed at random points of its saves, again and
// again. Prints the figures and fails when anything was lost or torn.
//   whiteboard_soak [WRITERS [WRITES_EACH [READERS [KILLS]]]]   (defaults 4 10000 2 100)
// The home lies in $QUILLET_SOAK_DIR, else in /dev/shm when the machine has it: the run
// checks locking and replacing between processes, which a killed process tests as well in
// memory as on a disk, at a fraction of the time.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "desk/home/DeskHome.h"
#include "tests/unit/desk/WhiteboardLoad.h"

namespace {

int argument(int argc, char** argv, int at, int fallback) {
  return argc > at ? std::atoi(argv[at]) : fallback;
}

std::filesystem::path soakHome() {
  const char* configured = std::getenv("QUILLET_SOAK_DIR");
  std::filesystem::path base = configured && *configured ? std::filesystem::path(configured)
                               : std::filesystem::exists("/dev/shm")
                                   ? std::filesystem::path("/dev/shm")
                                   : std::filesystem::temp_directory_path();
  return base / ("quillet-soak-" + std::to_string(::getpid()));
}

}  // namespace

int main(int argc, char** argv) {
  const int writers = argument(argc, argv, 1, 4);
  const int writes = argument(argc, argv, 2, 10000);
  const int readers = argument(argc, argv, 3, 2);
  const int kills = argument(argc, argv, 4, 100);
  const std::filesystem::path home = soakHome();
  std::filesystem::remove_all(home);
  desk::prepareHome(home);
  desk::setHome(home);

  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const desk::test::ConcurrentFigures load =
      desk::test::runConcurrentWriters(home, writers, writes, readers);
  const double loadSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf(
      "concurrent: %d writer processes x %d writes, %d readers: %.1f s, %ld reads, "
      "%ld torn reads, %ld lost writes, %d failed processes\n",
      load.writers, load.writesEach, readers, loadSeconds, load.reads, load.tornReads,
      load.lostWrites, load.failedChildren);

  const desk::test::KillFigures killed = desk::test::runKilledWriters(
      home, kills, static_cast<std::uint32_t>(Clock::now().time_since_epoch().count()));
  std::printf(
      "kills: %d writers killed (%d in the middle of a save), %d files unreadable after, "
      "%d completed saves lost\n",
      killed.kills, killed.killsMidSave, killed.unreadableAfter, killed.completedLost);
  std::filesystem::remove_all(home);

  const bool sound = load.failedChildren == 0 && load.tornReads == 0 && load.lostWrites == 0 &&
                     killed.kills == kills && killed.unreadableAfter == 0 &&
                     killed.completedLost == 0;
  std::printf("%s\n", sound ? "nothing lost" : "FAILED");
  return sound ? 0 : 1;
}
