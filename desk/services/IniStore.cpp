#include "desk/services/IniStore.h"

#include <map>
#include <mutex>

#include "desk/services/AtomicFile.h"
#include "desk/services/Sandbox.h"

namespace desk {
namespace {

namespace fs = std::filesystem;

// Parsed documents by file, each with the exact text it was parsed from. A read still reads the
// file, which is small, but parses it again only when the text differs. The text itself is the
// key of validity rather than inode, size and modification time: inode numbers are reused as
// files are replaced, and modification times are coarser than the interval between two saves.
class ParsedFiles {
 public:
  std::shared_ptr<const IniDocument> documentFor(const fs::path& file, std::string text) {
    std::lock_guard lock(mutex_);
    Entry& entry = entries_[file];
    if (!entry.document || entry.text != text) {
      entry.document = std::make_shared<const IniDocument>(text);
      entry.text = std::move(text);
    }
    return entry.document;
  }

  // A save knows the document of the text it wrote, so the next read need not parse it.
  void remember(const fs::path& file, std::string text,
                std::shared_ptr<const IniDocument> document) {
    std::lock_guard lock(mutex_);
    entries_[file] = Entry{std::move(text), std::move(document)};
  }

 private:
  struct Entry {
    std::string text;
    std::shared_ptr<const IniDocument> document;
  };
  std::mutex mutex_;
  std::map<fs::path, Entry> entries_;
};

ParsedFiles& parsedFiles() {
  static ParsedFiles files;
  return files;
}

}  // namespace

std::shared_ptr<const IniDocument> readIniFile(const fs::path& file) {
  if (const Sandbox* sandbox = Sandbox::active()) {
    if (auto scratch = sandbox->scratchDocument(file)) return scratch;
  }
  return parsedFiles().documentFor(file, readFileIfExists(file).value_or(std::string()));
}

void updateIniFile(const fs::path& file, std::span<const IniChange> changes) {
  if (Sandbox* sandbox = Sandbox::active()) {
    sandbox->write(file, *readIniFile(file), changes);
    return;
  }
  const FileLock lock = FileLock::acquire(lockFileFor(file));
  const std::optional<std::string> before = readFileIfExists(file);
  // The text read under the lock is what counts; it is usually the text the caller's own
  // snapshot was parsed from, whose document is copied instead of parsed again.
  auto document = std::make_shared<IniDocument>(
      *parsedFiles().documentFor(file, before.value_or(std::string())));
  document->set(changes);
  std::string after = document->text();
  if (before && *before == after) return;  // nothing to write; spares a flush to the disk
  replaceFile(file, after);
  // A document with these changes written is the document this text parses to.
  parsedFiles().remember(file, std::move(after), std::move(document));
}

}  // namespace desk
