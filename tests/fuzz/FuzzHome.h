#pragma once
// A desk home for one fuzzing process, made once and removed when the process ends. It lies
// in memory when the machine has /dev/shm, so that the many file operations of a run cost
// little.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "desk/home/DeskHome.h"

namespace fuzz {

inline const std::filesystem::path& fuzzHome() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::filesystem::path home = base / ("quillet-fuzz-" + std::to_string(::getpid()));
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
