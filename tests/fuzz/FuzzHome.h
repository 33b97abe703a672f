#pragma once
// A desk home for one fuzzing process, made once and removed when the process ends. It lies
// in memory when the machine has /dev/shm, so that the many file operations of a run cost
// little.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "desk/home/DeskHome.h"

namespace fuzz {

inline constexpr std::string_view kPrefix = "quillet-fuzz-";

// A process that ends without running its exit handlers (a crash, a timeout, a kill) leaves its
// home behind: the homes of processes that no longer run are removed.
inline void removeHomesOfEndedProcesses(const std::filesystem::path& base) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(base, ignored)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(kPrefix)) continue;
    const std::string pid = name.substr(kPrefix.size());
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (!std::filesystem::exists("/proc/" + pid, ignored)) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }
}

inline const std::filesystem::path& fuzzHome() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    removeHomesOfEndedProcesses(base);
    std::filesystem::path home = base / (std::string(kPrefix) + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    desk::prepareHome(home);
    desk::setHome(home);
    return home;
  }();
  // Registered once the folder is made, so that it runs before the folder's own destructor
  // (exit handlers run in the reverse order of their registration).
  static const bool removedAtExit = [] {
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    });
    return true;
  }();
  (void)removedAtExit;
  return folder;
}

}  // namespace fuzz
