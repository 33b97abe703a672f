#pragma once
// The text of an INI profile file, parsed for lookup and kept line by line for rewriting.
//
// Lines are "[section]" and "key=value"; everything else (comments, blank lines, text the
// format does not know) is kept as it is. Section and key names compare without regard to
// letter case and without the blanks around them; a value is the text after the first '=' of
// its line, exactly. Where a name occurs twice, the first occurrence counts.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desk {

// One value to write: the key of a section, valid names only.
struct IniChange {
  std::string section;
  std::string key;
  std::string value;
};

// A section with every key and value, as IniDocument::entries gives them.
struct IniSection {
  std::string name;  // spelled as it is first written in the file
  std::vector<std::pair<std::string, std::string>> entries;
};

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  std::string text() const;

  // The stored value (valid while the document lives), or nothing when the section or key does
  // not exist.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
  // Every key of the section with its value, in file order.
  std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
  // Every section, in the order of its first header, each as entries() gives it; in one pass
  // over the document, however many sections it has.
  std::vector<IniSection> sections() const;

  // Names that can be written without changing the meaning of other lines.
  static bool isValidSectionName(std::string_view section);
  static bool isValidKeyName(std::string_view key);

  // Writes the value (names must be valid). An existing key keeps its line and the spelling of
  // its section and key; a new key goes to the end of its section, a new section to the end of
  // the file. Line breaks in the value become blanks: a line break would end the value and
  // turn its rest into lines of their own, keys or sections that nobody wrote.
  void set(std::string_view section, std::string_view key, std::string_view value);
  // Writes the changes, one after the other, as set() would; in one pass over the document,
  // however many changes there are.
  void set(std::span<const IniChange> changes);

 private:
  enum class Kind { kOther, kSection, kEntry };
  struct Line {
    std::string raw;  // the line as it is written, without its line end
    Kind kind = Kind::kOther;
    std::string name;         // section name or key name, without the blanks around it
    std::size_t valueAt = 0;  // entries: where the value begins in raw
    std::string_view value() const { return std::string_view(raw).substr(valueAt); }
  };

  static Line parseLine(std::string raw);
  // Index of the first line of each block of the section, in file order.
  std::vector<std::size_t> sectionHeaders(std::string_view section) const;
  std::size_t blockEnd(std::size_t header) const;
  // Where a new key of the block goes: after its last line with content, so that blank lines
  // keep separating the sections.
  std::size_t insertionPoint(std::size_t header) const;

  std::vector<Line> lines_;
};

}  // namespace desk
