// The language table: texts by key, one table per language code, from the home's
// "languages/<CODE>.txt". A table line is "KEY=text": the key without the blanks around it, the
// text exactly as it follows the first '=', where the two characters "\n" stand for a line
// break; blank lines and lines that begin with '#' are skipped, and the first line of a key
// counts. Texts are Latin-1 bytes and are passed on unchanged.

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/LanguageScope.h"
#include "desk/services/ServiceFailure.h"
#include "framework/services/TorvanArch.h"
#include "platform/files/PathResolver.h"
#include "platform/text/TextRules.h"

using LanguageTable = std::unordered_map<std::string, std::string>;

// The table LANG_load chose (none: the keys are the texts, or nothing loaded) and how many
// loads are not yet given back.
struct desk::LanguageScope::Loaded {
  std::shared_ptr<const LanguageTable> table;
  bool keysAsTexts = false;
  int loads = 0;
};

namespace desk {

namespace {
LanguageScope* currentScope = nullptr;
}  // namespace

LanguageScope::LanguageScope(std::optional<std::string> code)
    : code_(std::move(code)), loaded_(std::make_unique<Loaded>()) {}

LanguageScope::~LanguageScope() = default;

CurrentLanguageScope::CurrentLanguageScope(LanguageScope* scope) : previous_(currentScope) {
  currentScope = scope;
}

CurrentLanguageScope::~CurrentLanguageScope() {
  currentScope = previous_;
}

LanguageScope* CurrentLanguageScope::current() {
  return currentScope;
}

std::optional<std::string> scopedLanguage() {
  return currentScope != nullptr ? currentScope->code() : std::nullopt;
}

}  // namespace desk

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFallbackCode = "EN1";
constexpr std::string_view kKeyPseudoCode = "KEY";

std::string unescapeLineBreaks(std::string_view text) {
  std::string result;
  for (;;) {
    const std::size_t at = text.find("\\n");
    result += text.substr(0, at);
    if (at == std::string_view::npos) return result;
    result += '\n';
    text.remove_prefix(at + 2);
  }
}

LanguageTable parseTable(std::string_view text) {
  LanguageTable table;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = platform::trimBlanks(line);
    if (content.empty() || content.front() == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = platform::trimBlanks(line.substr(0, equals));
    if (key.empty()) continue;
    table.try_emplace(std::string(key), unescapeLineBreaks(line.substr(equals + 1)));
  }
  return table;
}

// A code names a file of the languages folder, so it may hold no separator or dot.
bool isPlainCode(std::string_view code) {
  return !code.empty() && code.find_first_not_of(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                              "abcdefghijklmnopqrstuvwxyz"
                              "0123456789_-") == std::string_view::npos;
}

class LanguageTables {
 public:
  void load(std::string_view code) {
    Loaded& loaded = this->loaded();
    ++loaded.loads;
    loaded.keysAsTexts = platform::equalIgnoringCase(code, kKeyPseudoCode);
    if (loaded.keysAsTexts) {
      loaded.table.reset();
      return;
    }
    loaded.table = tableFor(code);
    if (loaded.table) return;
    loaded.table = tableFor(kFallbackCode);
    desk::reportFailure("TorvanArch", "LANG_load", ENOENT,
                        "no language table for \"" + std::string(code) + "\"; " +
                            (loaded.table ? "using " : "no table for ") +
                            std::string(kFallbackCode));
  }

  void unload() {
    Loaded& loaded = this->loaded();
    if (loaded.loads == 0 || --loaded.loads > 0) return;
    loaded.table.reset();
    loaded.keysAsTexts = false;
  }

  std::optional<std::string_view> find(std::string_view key) {
    const Loaded& loaded = this->loaded();
    if (loaded.keysAsTexts) return key;
    if (!loaded.table) return std::nullopt;
    const auto found = loaded.table->find(std::string(key));
    if (found == loaded.table->end()) return std::nullopt;
    return found->second;
  }

 private:
  using Loaded = desk::LanguageScope::Loaded;

  // The current scope's choice, or the desk's own outside every scope.
  Loaded& loaded() {
    desk::LanguageScope* scope = desk::CurrentLanguageScope::current();
    return scope != nullptr ? scope->loaded() : own_;
  }

  // What tells one state of a file from another without reading it: a save in place changes
  // the size or the change time, a replace the inode.
  struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static std::optional<FileIdentity> of(const fs::path& file) {
      struct stat status {};
      if (::lstat(file.c_str(), &status) != 0) return std::nullopt;
      return FileIdentity{status.st_dev, status.st_ino, status.st_size, status.st_mtim,
                          status.st_ctim};
    }
    bool operator==(const FileIdentity& other) const {
      const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
      };
      return device == other.device && inode == other.inode && size == other.size &&
             same(modified, other.modified) && same(changed, other.changed);
    }
  };

  struct ParsedFile {
    FileIdentity identity;
    std::shared_ptr<const LanguageTable> table;
  };

  // Parsed tables by file, shared by every mask of the process. A file is read and parsed
  // again only when it is no longer the file it was, so that a table edited while the desk runs
  // is seen by the next load.
  std::shared_ptr<const LanguageTable> tableFor(std::string_view code) {
    if (!isPlainCode(code)) return nullptr;
    try {
      const fs::path folder = platform::findInFolder(desk::home(), "languages");
      const fs::path file = platform::findInFolder(folder, std::string(code) + ".txt");
      // Taken before the read: a change during the read shows at the next load.
      const std::optional<FileIdentity> identity = FileIdentity::of(file);
      if (!identity) return nullptr;
      const auto known = parsed_.find(file);
      if (known != parsed_.end() && known->second.identity == *identity) {
        return known->second.table;
      }
      const std::optional<std::string> text = desk::readFileIfExists(file);
      if (!text) return nullptr;
      ParsedFile& parsed = parsed_[file];
      parsed.identity = *identity;
      parsed.table = std::make_shared<const LanguageTable>(parseTable(*text));
      return parsed.table;
    } catch (const std::exception& failure) {
      desk::reportFailure("TorvanArch", "LANG_load", failure);
      return nullptr;
    }
  }

  std::map<fs::path, ParsedFile> parsed_;
  Loaded own_;
};

LanguageTables& languageTables() {
  static LanguageTables tables;
  return tables;
}

bool lookUp(std::string_view key, std::string& text, std::size_t bufferSize) {
  text.clear();
  const std::optional<std::string_view> found = languageTables().find(key);
  if (!found) return false;
  text = platform::limitToBuffer(*found, bufferSize);
  return true;
}

}  // namespace

void LANG_load(std::string_view languageCode) {
  languageTables().load(languageCode);
}

void LANG_unload() {
  languageTables().unload();
}

bool LANG_getString(std::string_view key, std::string& text, std::size_t bufferSize) {
  return lookUp(key, text, bufferSize);
}

bool LANG_getStringEx(std::string_view key, std::string& text, std::size_t bufferSize) {
  return lookUp(key, text, bufferSize);
}
