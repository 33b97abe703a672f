#pragma once
// A code table of the code lookup: an XML code-list file whose entries are "//Coder/T"
// elements, each with its code in "C" and its description in "D". The agent searches it by
// code or by description and chooses one entry.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace desk {

struct CodeEntry {
  std::string code;
  std::string description;
};

enum class CodeListStatus {
  Loaded,     // at least one entry
  Unnamed,    // no table was named
  Missing,    // no readable file of that name
  Malformed,  // not well-formed XML
  Empty,      // well-formed, without a single entry
};

class CodeList {
 public:
  // Reads the table; path as the masks form it (either slash, any letter case), a relative
  // one starting at folder. Texts are kept as Latin-1, as the masks use them; entries
  // without a code are left out.
  CodeListStatus load(std::string_view path, const std::filesystem::path& folder = {});

  CodeListStatus status() const { return status_; }
  const std::string& path() const { return path_; }
  const std::vector<CodeEntry>& entries() const { return entries_; }
  // What the lookup tells the agent when the table offers nothing; empty when it is loaded.
  std::string statusText() const;
  // The entries whose code begins with text or whose description holds it, in any letter
  // case, in table order; every entry for an empty text (blanks at either end are ignored).
  std::vector<const CodeEntry*> search(std::string_view text) const;
  // The entry of exactly this code, in any letter case; null when there is none.
  const CodeEntry* find(std::string_view code) const;

 private:
  CodeListStatus status_ = CodeListStatus::Unnamed;
  std::string path_;
  std::vector<CodeEntry> entries_;
};

}  // namespace desk
