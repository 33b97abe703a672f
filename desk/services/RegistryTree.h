#pragma once
// The desk's registry in memory: a tree of keys, each with an optional default value and named
// values. Key and value names compare without regard to letter case and keep the spelling they
// were first written with. The file form is the registry export text:
//
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\Quillet.PNRCreationFax]
//   @="PNRCreationFax Class"
//   "Name"="text"
//   "Count"=dword:0000000a

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/TextRules.h"

namespace desk {

struct LessIgnoringCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return platform::lowerAscii(a) < platform::lowerAscii(b);
  }
};

struct RegistryValue {
  enum class Type { String, Dword };
  Type type = Type::String;
  std::string text;  // a dword as its decimal digits
  std::uint32_t dword() const;
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

class RegistryKey {
 public:
  // A name a key can have: not empty, no backslash, no control character.
  static bool isValidName(std::string_view name);

  // The subkey called name, made when missing (the name must be valid).
  RegistryKey& createSubkey(std::string_view name);
  RegistryKey* subkey(std::string_view name);
  const RegistryKey* subkey(std::string_view name) const;
  // Removes the subkey with everything below it; false when there was none.
  bool removeSubkey(std::string_view name);
  bool hasSubkeys() const { return !subkeys_.empty(); }
  // The names of the subkeys in the spelling they were made with, ordered by name.
  std::vector<std::string> subkeyNames() const;

  // The empty name is the key's default value.
  void setValue(std::string_view name, RegistryValue value);
  const RegistryValue* value(std::string_view name) const;
  bool removeValue(std::string_view name);
  const std::map<std::string, RegistryValue, LessIgnoringCase>& values() const { return values_; }

  // The key at a path of names separated by backslashes below this one; null when missing.
  const RegistryKey* find(std::string_view path) const;
  // The default value of the key at path, when it is a string.
  std::optional<std::string> defaultText(std::string_view path) const;

 private:
  friend class RegistryTree;
  std::map<std::string, std::unique_ptr<RegistryKey>, LessIgnoringCase> subkeys_;
  std::map<std::string, RegistryValue, LessIgnoringCase> values_;
};

class RegistryTree {
 public:
  RegistryTree() = default;
  // Throws std::runtime_error, naming the line, when text is not registry export text.
  explicit RegistryTree(std::string_view text);

  std::string text() const;

  // Above the root hives ("HKEY_CLASSES_ROOT", ...).
  RegistryKey& root() { return root_; }
  const RegistryKey& root() const { return root_; }

 private:
  RegistryKey root_;
};

}  // namespace desk
