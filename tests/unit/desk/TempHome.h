#pragma once
// A fresh desk home for one test, removed again when the test ends.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/state/DeskObserver.h"

namespace desk::test {

class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillet-desk-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    desk::setHome(folder_);
  }
  ~TempHome() { std::filesystem::remove_all(folder_); }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& folder() const { return folder_; }

  void write(const std::filesystem::path& relative, std::string_view content) const {
    std::filesystem::create_directories((folder_ / relative).parent_path());
    std::ofstream(folder_ / relative, std::ios::binary) << content;
  }
  std::string read(const std::filesystem::path& relative) const {
    std::ifstream stream(folder_ / relative, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
  }

 private:
  std::filesystem::path folder_;
};

// Log lines that reach the desk's observer while it lives.
class RecordingObserver : public desk::DeskObserver {
 public:
  struct Line {
    std::string module, operation, text;
  };
  RecordingObserver() { desk::setObserver(this); }
  ~RecordingObserver() override { desk::setObserver(nullptr); }
  void onLog(std::string_view module, std::string_view operation, std::string_view text) override {
    lines.push_back({std::string(module), std::string(operation), std::string(text)});
  }
  void onRequest(std::string_view) override {}
  std::vector<Line> lines;
};

// Runs body in a child process that ends with _exit, and gives the child's pid.
template <typename Body>
pid_t runInChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    body();
    ::_exit(0);
  }
  return pid;
}

// The wait status of a child, after it ended.
inline int waitFor(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

}  // namespace desk::test
