#include "desk/controls/CodeList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/files/PathResolver.h"
#include "platform/text/TextRules.h"
#include "platform/xml/XmlDocument.h"

namespace desk {
namespace {

// Code tables are small; a file beyond this is no code table.
constexpr std::uintmax_t kLargestTable = 16 * 1024 * 1024;

// Letter case as the platform's text rules compare it: ASCII letters only.
bool containsIgnoringCase(std::string_view text, std::string_view part) {
  const std::string lowerText = platform::lowerAscii(text);
  return lowerText.find(platform::lowerAscii(part)) != std::string::npos;
}

}  // namespace

CodeListStatus CodeList::load(std::string_view path, const std::filesystem::path& folder) {
  entries_.clear();
  path_ = std::string(path);
  if (platform::trimBlanks(path).empty()) return status_ = CodeListStatus::Unnamed;
  const bool relative = path.front() != '/' && path.front() != '\\';
  const std::filesystem::path file =
      relative && !folder.empty() ? platform::resolvePath((folder.string() + "/").append(path))
                                  : platform::resolvePath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) ||
      std::filesystem::file_size(file, error) > kLargestTable || error) {
    return status_ = CodeListStatus::Missing;
  }
  platform::XmlDocument document;
  if (!document.loadFile(file.string())) return status_ = CodeListStatus::Malformed;
  for (const platform::XmlNode& node : document.selectNodes("//Coder/T")) {
    CodeEntry entry{std::string(platform::trimBlanks(node.childText("C"))),
                    std::string(platform::trimBlanks(node.childText("D")))};
    if (!entry.code.empty()) entries_.push_back(std::move(entry));
  }
  return status_ = entries_.empty() ? CodeListStatus::Empty : CodeListStatus::Loaded;
}

std::string CodeList::statusText() const {
  switch (status_) {
    case CodeListStatus::Loaded:
      return {};
    case CodeListStatus::Unnamed:
      return "No code table is set up for this lookup.";
    case CodeListStatus::Missing:
      return "The code table " + path_ + " is missing.";
    case CodeListStatus::Malformed:
      return "The code table " + path_ + " cannot be read: it is not well-formed XML.";
    case CodeListStatus::Empty:
      return "The code table " + path_ + " holds no codes.";
  }
  return {};
}

std::vector<const CodeEntry*> CodeList::search(std::string_view text) const {
  const std::string_view wanted = platform::trimBlanks(text);
  std::vector<const CodeEntry*> found;
  for (const CodeEntry& entry : entries_) {
    if (platform::startsWithIgnoringCase(entry.code, wanted) ||
        containsIgnoringCase(entry.description, wanted)) {
      found.push_back(&entry);
    }
  }
  return found;
}

const CodeEntry* CodeList::find(std::string_view code) const {
  const auto found = std::ranges::find_if(entries_, [&](const CodeEntry& entry) {
    return platform::equalIgnoringCase(entry.code, code);
  });
  return found == entries_.end() ? nullptr : &*found;
}

}  // namespace desk
