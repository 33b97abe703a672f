#pragma once
// The parameter strings that the desktop leaves in a queue for a modification mask: items of
// a key, "=" and a value, separated by any character of a separator set ("KEY=VALUE&KEY=...").
// An item is split at its first "="; an item without one has the key "InvalidKey". Nothing
// is escaped or decoded.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace framework {

class CParseField {
 public:
  // Copies both and parses at once; a null text gives an empty parser. Only the first 11
  // characters of the separator set count.
  CParseField(const char* text, const char* separators);
  ~CParseField();
  CParseField(const CParseField&) = delete;
  CParseField& operator=(const CParseField&) = delete;

  // Discards the items and parses the text again.
  void Parse();
  // 1 and the value of the first item whose key equals key in any letter case; else 0 and
  // the empty text.
  int GetValue(std::string_view key, std::string& value) const;
  // One debugger line an item.
  void Dump() const;

  int count() const { return static_cast<int>(items_.size()); }
  const std::vector<std::pair<std::string, std::string>>& items() const { return items_; }

 private:
  void append(std::string_view item);

  std::string text_;
  std::string separators_;
  std::vector<std::pair<std::string, std::string>> items_;
};

}  // namespace framework
