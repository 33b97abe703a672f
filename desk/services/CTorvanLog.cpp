#include "framework/services/CTorvanLog.h"

#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/Sandbox.h"
#include "desk/state/DeskObserver.h"

namespace {

std::string formatText(const char* format, va_list arguments) {
  if (!format) return {};
  va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, arguments);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string timestamp() {
  timeval now{};
  ::gettimeofday(&now, nullptr);
  tm local{};
  ::localtime_r(&now.tv_sec, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  std::snprintf(text + length, sizeof text - length, ".%03ld",
                static_cast<long>(now.tv_usec / 1000));
  return text;
}

// One line a call, written with a single append so that lines of several processes do not
// interleave. A text with line breaks stays on its line; the log cannot be given false lines.
void appendLine(std::string_view kind, std::string_view module, std::string_view operation,
                std::string_view numbers, std::string_view text) {
  std::string line = timestamp() + " [" + std::to_string(::getpid()) + "] ";
  line.append(kind).append(" ").append(module).append(" ").append(operation).append(" ");
  line.append(numbers).append(": ").append(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  line += '\n';
  // The log names the agent's commands and data: only its user reads it. A link in its place
  // would carry the lines out of the home, and a pipe without a reader would hold the desk.
  const std::string file = (desk::home() / "quillet.log").string();
  const int descriptor = ::open(
      file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (descriptor < 0) return;  // the log has nowhere to report its own failure
  [[maybe_unused]] const ssize_t written = ::write(descriptor, line.data(), line.size());
  ::close(descriptor);
}

void record(std::string_view kind, std::string_view module, std::string_view operation,
            std::string_view numbers, const std::string& text) {
  if (desk::Sandbox::active() != nullptr) return;  // a sandbox's lines are dropped
  // The log is the last resort of every failure, so it never fails its caller in turn.
  try {
    appendLine(kind, module, operation, numbers, text);
  } catch (const std::exception&) {
  }
  if (desk::DeskObserver* observer = desk::observer()) observer->onLog(module, operation, text);
}

}  // namespace

void CTorvanLog::diagnostic(std::string_view module, std::string_view operation, int level,
                            int detail, int sourceLine, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::string text = formatText(format, arguments);
  va_end(arguments);
  record("DIAG", module, operation,
         "level " + std::to_string(level) + " detail " + std::to_string(detail) + " line " +
             std::to_string(sourceLine),
         text);
}

void CTorvanLog::debugString(const char* format, ...) {
  static const bool debugLevel = std::getenv("QUILLET_DEBUG") != nullptr;
  if (!debugLevel || desk::Sandbox::active() != nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  const std::string text = formatText(format, arguments);
  va_end(arguments);
  try {
    appendLine("DEBUG", "-", "-", "-", text);
  } catch (const std::exception&) {
  }
}

void CTorvanLog::error(std::string_view module, std::string_view operation, int code,
                       const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::string text = formatText(format, arguments);
  va_end(arguments);
  record("ERROR", module, operation, "code " + std::to_string(code), text);
}
