// Named queues: "queues/<name>.queue" in the desk home, one message a line, oldest first. A
// message may hold any text: backslash, line feed and carriage return are written as "\\",
// "\n" and "\r", so that every line is exactly one message. Pushing and popping rewrite the file
// under its lock, as the whiteboard does, so processes never lose or split a message.

#include "desk/services/NamedQueues.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/Sandbox.h"
#include "desk/services/ServiceFailure.h"
#include "desk/services/WhiteboardStore.h"
#include "framework/services/TorvanArch.h"
#include "platform/files/PathResolver.h"
#include "platform/text/TextRules.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kModule = "TorvanArch";

// Queue names compare without regard to letter case, and any name must make one file name
// inside the queues folder: letters are lowered, and every byte other than a letter, a digit,
// '_' or '-' is written as '%' and two hex digits (so no '/', and no "..").
std::string fileNameOf(std::string_view queueName) {
  std::string name;
  for (char c : platform::lowerAscii(queueName)) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-') {
      name += c;
      continue;
    }
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
    name += escaped;
  }
  return name + ".queue";
}

fs::path queueFolder() {
  return platform::findInFolder(desk::home(), "queues");
}

fs::path queueFile(std::string_view queueName) {
  return platform::findInFolder(queueFolder(), fileNameOf(queueName));
}

std::string escapeMessage(std::string_view message) {
  std::string line;
  for (char c : message) {
    if (c == '\\') {
      line += "\\\\";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else {
      line += c;
    }
  }
  return line;
}

std::string unescapeMessage(std::string_view line) {
  std::string message;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (line[i] != '\\' || (next != '\\' && next != 'n' && next != 'r')) {
      message += line[i];  // a backslash that starts no escape is kept as it is
      continue;
    }
    message += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
    ++i;
  }
  return message;
}

// In a sandbox: the message after those the sandbox has handed out, read without the lock
// (every write replaces the whole file, so the read sees one whole state of the queue) and left
// in the queue.
bool peekMessage(desk::Sandbox& sandbox, const fs::path& file, std::string& message) {
  const std::optional<std::string> content = desk::readFileIfExists(file);
  if (!content) return false;
  std::size_t& taken = sandbox.messagesTaken(file);
  std::size_t start = 0;
  for (std::size_t skipped = 0; skipped < taken; ++skipped) {
    const std::size_t end = content->find('\n', start);
    if (end == std::string::npos) return false;
    start = end + 1;
  }
  if (start >= content->size()) return false;
  const std::size_t end = content->find('\n', start);
  message = unescapeMessage(std::string_view(*content).substr(
      start, end == std::string::npos ? std::string::npos : end - start));
  ++taken;
  return true;
}

bool holdsMessages(const fs::path& file) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(file, error);
  return !error && size > 0;
}

}  // namespace

namespace desk {

void pushQueueMessage(std::string_view queueName, std::string_view message) {
  if (Sandbox::active() != nullptr) return;  // a sandbox's messages reach no one
  try {
    // Messages between desk components are the user's alone, like the rest of the home.
    const fs::path folder = queueFolder();
    fs::create_directories(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      throw fs::filesystem_error("cannot make folder", folder,
                                 std::error_code(errno, std::generic_category()));
    }
    const fs::path file = queueFile(queueName);
    const FileLock lock = FileLock::acquire(lockFileFor(file));
    std::string content = readFileIfExists(file).value_or(std::string());
    if (!content.empty() && content.back() != '\n') content += '\n';
    content += escapeMessage(message);
    content += '\n';
    replaceFile(file, content);
  } catch (const std::exception& failure) {
    reportFailure(kModule, "pushQueueMessage", failure);
  }
}

}  // namespace desk

int Q_popString(std::string_view queueName, std::string_view defaultValue, std::string& message,
                std::size_t bufferSize, std::string_view whiteboardName, int timeoutMs) {
  constexpr std::string_view kOperation = "Q_popString";
  message = platform::limitToBuffer(defaultValue, bufferSize);
  if (!desk::isWhiteboardName(whiteboardName)) {
    desk::reportFailure(kModule, kOperation, EINVAL,
                        "no whiteboard named \"" + std::string(whiteboardName) + "\"");
    return 0;
  }
  try {
    const fs::path file = queueFile(queueName);
    // An empty queue answers at once, without waiting for a lock that a writer may hold.
    if (!holdsMessages(file)) return 0;
    if (desk::Sandbox* sandbox = desk::Sandbox::active()) {
      std::string peeked;
      if (!peekMessage(*sandbox, file, peeked)) return 0;
      message = platform::limitToBuffer(peeked, bufferSize);
      return 1;
    }
    const auto lock = desk::FileLock::acquireWithin(
        desk::lockFileFor(file), std::chrono::milliseconds(std::max(timeoutMs, 0)));
    if (!lock) {
      desk::reportFailure(kModule, kOperation, ETIMEDOUT,
                          "queue \"" + std::string(queueName) + "\" stayed busy for " +
                              std::to_string(timeoutMs) + " ms");
      return 0;
    }
    const std::optional<std::string> content = desk::readFileIfExists(file);
    if (!content || content->empty()) return 0;
    const std::size_t end = content->find('\n');
    const std::string_view rest =
        end == std::string::npos ? std::string_view() : std::string_view(*content).substr(end + 1);
    desk::replaceFile(file, rest);
    message = platform::limitToBuffer(unescapeMessage(std::string_view(*content).substr(0, end)),
                                      bufferSize);
    return 1;
  } catch (const std::exception& failure) {
    desk::reportFailure(kModule, kOperation, failure);
    return 0;
  }
}
