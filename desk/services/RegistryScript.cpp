#include "desk/services/RegistryScript.h"

#include <charconv>
#include <optional>
#include <vector>

namespace desk {
namespace {

struct Token {
  std::string text;
  bool quoted = false;
  std::size_t line = 0;
};

[[noreturn]] void fail(std::size_t line, std::string_view what) {
  throw RegistryScriptError("line " + std::to_string(line) +
                            " of the registry script: " + std::string(what));
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::vector<Token> readTokens(std::string_view script) {
  std::vector<Token> tokens;
  std::size_t line = 1;
  std::size_t at = 0;
  while (at < script.size()) {
    const char c = script[at];
    if (isBlank(c)) {
      if (c == '\n') ++line;
      ++at;
      continue;
    }
    Token token{{}, c == '\'', line};
    if (token.quoted) {
      for (++at;; ++at) {
        if (at == script.size()) fail(token.line, "a quoted word is not closed");
        if (script[at] == '\'') {
          if (at + 1 < script.size() && script[at + 1] == '\'') {
            token.text += '\'';
            ++at;
            continue;
          }
          ++at;
          break;
        }
        if (script[at] == '\n') ++line;
        token.text += script[at];
      }
    } else {
      while (at < script.size() && !isBlank(script[at])) token.text += script[at++];
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

void replaceIn(Token& token, const RegistryReplacements& replacements) {
  std::string out;
  for (std::size_t at = 0; at < token.text.size(); ++at) {
    if (token.text[at] != '%') {
      out += token.text[at];
      continue;
    }
    const std::size_t end = token.text.find('%', at + 1);
    if (end == std::string::npos) fail(token.line, "a \"%\" without its closing \"%\"");
    const std::string_view name = std::string_view(token.text).substr(at + 1, end - at - 1);
    if (name.empty()) {
      out += '%';
    } else {
      const auto found = replacements.find(name);
      if (found == replacements.end()) {
        fail(token.line, "no replacement for %" + std::string(name) + "%");
      }
      out += found->second;
    }
    at = end;
  }
  token.text = std::move(out);
}

enum class Removal { Normal, NoRemove, ForceRemove, Delete };

struct ScriptKey {
  Removal removal = Removal::Normal;
  std::string name;
  std::optional<RegistryValue> defaultValue;
  std::vector<std::pair<std::string, RegistryValue>> values;
  std::vector<ScriptKey> subkeys;
};

constexpr std::pair<std::string_view, std::string_view> kRootKeys[] = {
    {"HKCR", "HKEY_CLASSES_ROOT"}, {"HKCU", "HKEY_CURRENT_USER"},   {"HKLM", "HKEY_LOCAL_MACHINE"},
    {"HKU", "HKEY_USERS"},         {"HKCC", "HKEY_CURRENT_CONFIG"},
};

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::vector<ScriptKey> script() {
    std::vector<ScriptKey> roots;
    while (!atEnd()) {
      const Token& name = next("a root key");
      ScriptKey root;
      root.removal = Removal::NoRemove;
      root.name = rootName(name);
      expect("{");
      while (!isWord("}")) root.subkeys.push_back(parseKey());
      next("\"}\"");
      roots.push_back(std::move(root));
    }
    return roots;
  }

 private:
  bool atEnd() const { return at_ == tokens_.size(); }
  std::size_t line() const { return tokens_[std::min(at_, tokens_.size() - 1)].line; }

  const Token& next(std::string_view expected) {
    if (atEnd()) {
      fail(tokens_.empty() ? 1 : tokens_.back().line,
           "the script ends where " + std::string(expected) + " should follow");
    }
    return tokens_[at_++];
  }
  // An unquoted word, letter case aside.
  bool isWord(std::string_view word) const {
    if (atEnd()) fail(tokens_.empty() ? 1 : tokens_.back().line, "the script ends early");
    const Token& token = tokens_[at_];
    return !token.quoted && platform::equalIgnoringCase(token.text, word);
  }
  void expect(std::string_view word) {
    if (!isWord(word)) fail(line(), "\"" + std::string(word) + "\" expected");
    ++at_;
  }

  static std::string rootName(const Token& token) {
    for (const auto& [shortName, longName] : kRootKeys) {
      if (platform::equalIgnoringCase(token.text, shortName) ||
          platform::equalIgnoringCase(token.text, longName)) {
        return std::string(longName);
      }
    }
    fail(token.line, "\"" + token.text + "\" is not a root key");
  }

  ScriptKey parseKey() {
    ScriptKey key;
    if (isWord("NoRemove")) {
      key.removal = Removal::NoRemove;
    } else if (isWord("ForceRemove")) {
      key.removal = Removal::ForceRemove;
    } else if (isWord("Delete")) {
      key.removal = Removal::Delete;
    }
    if (key.removal != Removal::Normal) ++at_;
    const Token& name = next("a key name");
    if ((!name.quoted && (name.text == "{" || name.text == "}" || name.text == "=")) ||
        !RegistryKey::isValidName(name.text)) {
      fail(name.line, "\"" + name.text + "\" cannot name a key");
    }
    key.name = name.text;
    if (!atEnd() && isWord("=")) {
      ++at_;
      key.defaultValue = parseValue();
    }
    if (atEnd() || !isWord("{")) return key;
    ++at_;
    while (!isWord("}")) {
      if (isWord("val")) {
        ++at_;
        const Token& valueName = next("a value name");
        if (valueName.text.empty()) fail(valueName.line, "a value needs a name");
        expect("=");
        key.values.emplace_back(valueName.text, parseValue());
      } else {
        key.subkeys.push_back(parseKey());
      }
    }
    ++at_;
    return key;
  }

  RegistryValue parseValue() {
    const Token& type = next("a value type");
    const Token& text = next("a value");
    if (!type.quoted && platform::equalIgnoringCase(type.text, "s")) {
      return {RegistryValue::Type::String, text.text};
    }
    if (!type.quoted && platform::equalIgnoringCase(type.text, "d")) {
      std::string_view digits = text.text;
      int base = 10;
      if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
      }
      std::uint32_t number = 0;
      const auto [end, error] =
          std::from_chars(digits.data(), digits.data() + digits.size(), number, base);
      if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        fail(text.line, "\"" + text.text + "\" is not a dword");
      }
      return {RegistryValue::Type::Dword, std::to_string(number)};
    }
    fail(type.line, "values of type \"" + type.text + "\" are not supported");
  }

  std::vector<Token> tokens_;
  std::size_t at_ = 0;
};

void registerKey(const ScriptKey& script, RegistryKey& parent) {
  if (script.removal == Removal::Delete) {
    parent.removeSubkey(script.name);
    return;
  }
  if (script.removal == Removal::ForceRemove) parent.removeSubkey(script.name);
  RegistryKey& key = parent.createSubkey(script.name);
  if (script.defaultValue) key.setValue("", *script.defaultValue);
  for (const auto& [name, value] : script.values) key.setValue(name, value);
  for (const ScriptKey& subkey : script.subkeys) registerKey(subkey, key);
}

void unregisterKey(const ScriptKey& script, RegistryKey& parent) {
  if (script.removal == Removal::Delete) return;
  RegistryKey* key = parent.subkey(script.name);
  if (key == nullptr) return;
  if (script.removal == Removal::ForceRemove) {
    parent.removeSubkey(script.name);
    return;
  }
  for (const auto& entry : script.values) key->removeValue(entry.first);
  for (const ScriptKey& subkey : script.subkeys) unregisterKey(subkey, *key);
  if (script.removal != Removal::NoRemove && !key->hasSubkeys()) parent.removeSubkey(script.name);
}

}  // namespace

void runRegistryScript(RegistryTree& registry, std::string_view script,
                       const RegistryReplacements& replacements, bool registering) {
  std::vector<Token> tokens = readTokens(script);
  for (Token& token : tokens) replaceIn(token, replacements);
  const std::vector<ScriptKey> roots = Parser(std::move(tokens)).script();
  for (const ScriptKey& root : roots) {
    if (registering) {
      registerKey(root, registry.root());
    } else {
      unregisterKey(root, registry.root());
    }
  }
}

HRESULT ScriptRegistrar::AddReplacement(std::string_view name, std::string_view value) {
  if (name.empty() || name.find('%') != std::string_view::npos) return E_INVALIDARG;
  replacements_.insert_or_assign(std::string(name), std::string(value));
  return S_OK;
}

HRESULT ScriptRegistrar::ResourceRegister(std::string_view script) {
  return run(script, true);
}

HRESULT ScriptRegistrar::ResourceUnregister(std::string_view script) {
  return run(script, false);
}

HRESULT ScriptRegistrar::run(std::string_view script, bool registering) {
  failure_.clear();
  try {
    runRegistryScript(registry_, script, replacements_, registering);
    return S_OK;
  } catch (const RegistryScriptError& error) {
    failure_ = error.what();
    return DISP_E_EXCEPTION;
  }
}

}  // namespace desk
