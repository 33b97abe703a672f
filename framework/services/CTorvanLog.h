#pragma once
// The desktop's log: diagnostic and error lines with the module and operation that wrote them.

#include <string_view>

class CTorvanLog {
 public:
  CTorvanLog() = default;

  // A diagnostic line: level and detail are the desktop's numbers (30 for property changes,
  // 0 for host commands; detail 100), sourceLine the writer's own source line.
  void diagnostic(std::string_view module, std::string_view operation, int level, int detail,
                  int sourceLine, const char* format, ...) __attribute__((format(printf, 7, 8)));
  // An error line with the desktop's error code (200 status texts, 501 missing resources).
  void error(std::string_view module, std::string_view operation, int code, const char* format, ...)
      __attribute__((format(printf, 5, 6)));
  // A line for a developer's debugger: written to the log file only while the desk's debug
  // level is on (QUILLET_DEBUG set in the environment), never shown to containers.
  static void debugString(const char* format, ...) __attribute__((format(printf, 1, 2)));
};
