#include "framework/services/CTorvanProfile.h"

#include <cerrno>
#include <filesystem>
#include <map>
#include <span>
#include <vector>

#include "desk/services/IniStore.h"
#include "desk/services/ServiceFailure.h"
#include "desk/services/Whiteboard.h"
#include "desk/services/WhiteboardStore.h"
#include "platform/files/PathResolver.h"
#include "platform/text/TextRules.h"

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kModule = "TorvanUtil";
}  // namespace

struct CTorvanProfile::State {
  // What an open batch has of one file: the snapshot its reads see, with its own writes
  // applied, and those writes, kept for the file until the batch ends.
  struct BatchFile {
    desk::IniDocument view;
    std::vector<desk::IniChange> changes;
    std::size_t changesInView = 0;

    // The writes reach the view when a read needs them, all in one pass.
    const desk::IniDocument& currentView() {
      view.set(std::span(changes).subspan(changesInView));
      changesInView = changes.size();
      return view;
    }
  };

  std::string iniFile;
  std::string section;
  std::string key;
  int openBatches = 0;
  std::map<fs::path, BatchFile> batchFiles;
  // The file of each name the batch used, found once: the batch works on one snapshot.
  std::map<std::string, fs::path, std::less<>> batchPaths;

  // Resolved at each use outside a batch, so that the whiteboard follows the desk home and a
  // file created in the meantime is found in whatever letter case it was given.
  fs::path file() {
    if (iniFile.empty()) return {};
    if (openBatches > 0) {
      if (const auto found = batchPaths.find(iniFile); found != batchPaths.end()) {
        return found->second;
      }
      return batchPaths.emplace(iniFile, resolve()).first->second;
    }
    return resolve();
  }

  fs::path resolve() const {
    if (platform::equalIgnoringCase(iniFile, desk::kWhiteboardFileName))
      return desk::whiteboardFile();
    return platform::resolvePath(iniFile);
  }

  // The snapshot is read when the batch first touches the file.
  BatchFile& batchFile(const fs::path& path) {
    auto found = batchFiles.find(path);
    if (found == batchFiles.end()) {
      found = batchFiles.emplace(path, BatchFile{*desk::readIniFile(path), {}, 0}).first;
    }
    return found->second;
  }

  void writeBatch() {
    for (const auto& [path, batch] : batchFiles) {
      if (batch.changes.empty()) continue;
      try {
        desk::updateIniFile(path, batch.changes);
      } catch (const std::exception& failure) {
        desk::reportFailure(kModule, "Batch", failure);
      }
    }
    batchFiles.clear();
    batchPaths.clear();
  }
};

CTorvanProfile::CTorvanProfile() : state_(std::make_unique<State>()) {}

CTorvanProfile::~CTorvanProfile() = default;

void CTorvanProfile::setIniFile(std::string_view name) {
  state_->iniFile = name;
}

void CTorvanProfile::setSectionName(std::string_view section) {
  state_->section = section;
}

void CTorvanProfile::setKeyName(std::string_view key) {
  state_->key = key;
}

int CTorvanProfile::getValue(std::string& value, std::string_view defaultValue,
                             std::size_t bufferSize) {
  value = platform::limitToBuffer(defaultValue, bufferSize);
  try {
    const fs::path file = state_->file();
    if (file.empty()) return 0;
    if (platform::equalIgnoringCase(state_->iniFile, desk::kWhiteboardFileName)) {
      if (const auto answered = desk::whiteboardOverride(state_->section, state_->key)) {
        value = platform::limitToBuffer(*answered, bufferSize);
        return 1;
      }
    }
    std::shared_ptr<const desk::IniDocument> current;  // keeps the found text alive
    const desk::IniDocument* document = nullptr;
    if (state_->openBatches > 0) {
      document = &state_->batchFile(file).currentView();
    } else {
      current = desk::readIniFile(file);
      document = current.get();
    }
    const auto stored = document->find(state_->section, state_->key);
    if (!stored) return 0;
    value = platform::limitToBuffer(*stored, bufferSize);
    return 1;
  } catch (const std::exception& failure) {
    desk::reportFailure(kModule, "getValue", failure);
    return 0;
  }
}

int CTorvanProfile::setValue(std::string_view text) {
  constexpr std::string_view kOperation = "setValue";
  const State& state = *state_;
  if (state.iniFile.empty() || !desk::IniDocument::isValidSectionName(state.section) ||
      !desk::IniDocument::isValidKeyName(state.key)) {
    desk::reportFailure(kModule, kOperation, EINVAL,
                        "cannot write key \"" + state.key + "\" of section \"" + state.section +
                            "\" in file \"" + state.iniFile + "\"");
    return 0;
  }
  try {
    const fs::path file = state_->file();
    if (file.empty()) {
      desk::reportFailure(kModule, kOperation, EACCES,
                          "file \"" + state.iniFile + "\" lies outside the desk home");
      return 0;
    }
    desk::IniChange change{state.section, state.key, std::string(text)};
    if (state_->openBatches > 0) {
      state_->batchFile(file).changes.push_back(std::move(change));
      return 1;
    }
    desk::updateIniFile(file, {&change, 1});
    return 1;
  } catch (const std::exception& failure) {
    desk::reportFailure(kModule, kOperation, failure);
    return 0;
  }
}

CTorvanProfile::Batch::Batch(CTorvanProfile& profile) : profile_(profile) {
  ++profile_.state_->openBatches;
}

CTorvanProfile::Batch::~Batch() {
  // Nested batches write once, when the outermost ends.
  if (--profile_.state_->openBatches == 0) profile_.state_->writeBatch();
}
