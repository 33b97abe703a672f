#pragma once
// Loads on the whiteboard shared by processes, with the figures a run gives: writer processes
// that save the same section at once while reader processes check every file they see, and a
// writer killed at random points of its saves, again and again. The unit tests run them small;
// the soak program runs them large.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "desk/services/AtomicFile.h"
#include "desk/services/IniDocument.h"
#include "desk/services/Whiteboard.h"
#include "framework/services/TorvanArch.h"

namespace desk::test {

inline constexpr int kKeysPerWriter = 8;

struct ConcurrentFigures {
  int writers = 0;
  int writesEach = 0;
  long reads = 0;
  long tornReads = 0;   // a file that was not one whole save, or that went back in time
  long lostWrites = 0;  // keys without their last value at the end
  int failedChildren = 0;
};

struct KillFigures {
  int kills = 0;
  int killsMidSave = 0;     // the save's temporary file was there when the writer died
  int unreadableAfter = 0;  // the file did not hold the counter after a kill
  int completedLost = 0;    // a save the writer saw complete was not in the file
};

inline std::string writerKey(int writer, int key) {
  return "W" + std::to_string(writer) + "K" + std::to_string(key);
}

// The file as a reader process sees it: each key of section "LOAD" with its number.
inline std::map<std::string, long> loadSection(const std::string& text) {
  std::map<std::string, long> values;
  for (const auto& [key, value] : IniDocument(text).entries("LOAD")) {
    values[key] = std::stol(value);
  }
  return values;
}

// Reads until stop exists; every file must end with a whole line and no key may vanish or go
// back to an earlier value. Writes "reads torn" to result.
inline void readUntil(const std::filesystem::path& stop, const std::filesystem::path& result) {
  std::map<std::string, long> seen;
  long reads = 0;
  long torn = 0;
  while (!std::filesystem::exists(stop)) {
    const std::string text = readFileIfExists(whiteboardFile()).value_or("");
    ++reads;
    if (!text.empty() && text.back() != '\n') {
      ++torn;
      continue;
    }
    std::map<std::string, long> now;
    try {
      now = loadSection(text);
    } catch (const std::exception&) {
      ++torn;
      continue;
    }
    for (const auto& [key, value] : seen) {
      const auto found = now.find(key);
      if (found == now.end() || found->second < value) ++torn;
    }
    seen = std::move(now);
  }
  FILE* file = std::fopen(result.c_str(), "w");
  std::fprintf(file, "%ld %ld\n", reads, torn);
  std::fclose(file);
}

inline bool exitedCleanly(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// writers processes save writes values each into one section, half through the C functions
// and half through the profile class, while readers processes read along.
inline ConcurrentFigures runConcurrentWriters(const std::filesystem::path& home, int writers,
                                              int writes, int readers) {
  ConcurrentFigures figures;
  figures.writers = writers;
  figures.writesEach = writes;
  const std::filesystem::path stop = home / "stop-readers";
  std::vector<pid_t> readerPids;
  for (int reader = 0; reader < readers; ++reader) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      readUntil(stop, home / ("reader-" + std::to_string(reader)));
      ::_exit(0);
    }
    readerPids.push_back(pid);
  }
  std::vector<pid_t> writerPids;
  for (int writer = 0; writer < writers; ++writer) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int write = 1; write <= writes; ++write) {
        WHITEBOARD_putString("LOAD", writerKey(writer, write % kKeysPerWriter),
                             std::to_string(write), kWhiteboardName);
      }
      ::_exit(0);
    }
    writerPids.push_back(pid);
  }
  for (pid_t pid : writerPids) figures.failedChildren += exitedCleanly(pid) ? 0 : 1;
  FILE* flag = std::fopen(stop.c_str(), "w");
  std::fclose(flag);
  for (pid_t pid : readerPids) figures.failedChildren += exitedCleanly(pid) ? 0 : 1;
  for (int reader = 0; reader < readers; ++reader) {
    long reads = 0;
    long torn = 0;
    FILE* file = std::fopen((home / ("reader-" + std::to_string(reader))).c_str(), "r");
    if (!file || std::fscanf(file, "%ld %ld", &reads, &torn) != 2) ++figures.failedChildren;
    if (file) std::fclose(file);
    figures.reads += reads;
    figures.tornReads += torn;
  }
  const std::map<std::string, long> final =
      loadSection(readFileIfExists(whiteboardFile()).value_or(""));
  for (int writer = 0; writer < writers; ++writer) {
    for (int key = 0; key < kKeysPerWriter; ++key) {
      // The last write of each key: the highest number below writes + 1 with that remainder.
      long last = writes - ((writes - key) % kKeysPerWriter + kKeysPerWriter) % kKeysPerWriter;
      if (last <= 0) continue;
      const auto found = final.find(writerKey(writer, key));
      if (found == final.end() || found->second != last) ++figures.lostWrites;
    }
  }
  return figures;
}

// kills times: a writer saves a growing counter and reports each completed save through a
// pipe; it is killed after a random time, and the file must then hold a completed counter (the
// last reported one, or the one whose report the kill cut off).
inline KillFigures runKilledWriters(const std::filesystem::path& home, int kills,
                                    std::uint32_t seed) {
  KillFigures figures;
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
  long completed = 0;
  WHITEBOARD_putString("KILL", "KEEP", "kept", kWhiteboardName);
  const std::filesystem::path temporary = home / ".vlwhiteboard.ini.tmp";
  for (int kill = 0; kill < kills; ++kill) {
    int reports[2];
    if (::pipe(reports) != 0) return figures;
    const long start = completed;
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(reports[0]);
      for (long counter = start + 1;; ++counter) {
        WHITEBOARD_putString("KILL", "COUNT", std::to_string(counter), kWhiteboardName);
        [[maybe_unused]] const ssize_t written = ::write(reports[1], &counter, sizeof counter);
      }
    }
    ::close(reports[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ++figures.kills;
    if (std::filesystem::exists(temporary)) ++figures.killsMidSave;
    long reported = 0;
    while (::read(reports[0], &reported, sizeof reported) == sizeof reported) {
      completed = std::max(completed, reported);
    }
    ::close(reports[0]);

    const std::string text = readFileIfExists(whiteboardFile()).value_or("");
    const IniDocument document(text);
    const auto count = document.find("KILL", "COUNT");
    const auto keep = document.find("KILL", "KEEP");
    if ((!text.empty() && text.back() != '\n') || !keep || *keep != "kept" ||
        (completed > 0 && !count)) {
      ++figures.unreadableAfter;
      continue;
    }
    const long stored = count ? std::stol(std::string(*count)) : 0;
    if (stored < completed || stored > completed + 1) ++figures.completedLost;
    completed = stored;
  }
  return figures;
}

}  // namespace desk::test
