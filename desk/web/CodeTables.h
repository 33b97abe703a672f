#pragma once
// The code tables the code lookup picker searches: every "coder/NAME.xml" of the desk home,
// each a list of "//Coder/T" entries with a code "C" and a description "D". A table is found
// among the files the folder holds, never by building a path from what a page sends.

#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace desk {

struct CodeTableEntry {
  std::string code;         // UTF-8
  std::string description;  // UTF-8
};

class CodeTables {
 public:
  explicit CodeTables(std::filesystem::path folder);

  // The tables' names, sorted.
  std::vector<std::string> names() const;
  // Entries of table whose code or description holds query (any letter case); the entries
  // whose code begins with it come first; at most limit of them. Empty for an unknown table.
  std::vector<CodeTableEntry> search(std::string_view table, std::string_view query,
                                     std::size_t limit) const;

 private:
  const std::vector<CodeTableEntry>* table(std::string_view name) const;

  std::filesystem::path folder_;
  mutable std::mutex mutex_;
  mutable std::map<std::string, std::vector<CodeTableEntry>, std::less<>> loaded_;
};

}  // namespace desk
