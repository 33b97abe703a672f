#include "desk/services/RegistryTree.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace desk {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";

[[noreturn]] void malformed(std::size_t line, std::string_view what) {
  throw std::runtime_error("line " + std::to_string(line) +
                           " of the registry: " + std::string(what));
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

// Reads a quoted text at the start of rest and removes it from rest.
std::optional<std::string> readQuoted(std::string_view& rest) {
  if (rest.empty() || rest.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t at = 1; at < rest.size(); ++at) {
    const char c = rest[at];
    if (c == '"') {
      rest.remove_prefix(at + 1);
      return text;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++at == rest.size()) return std::nullopt;
    switch (rest[at]) {
      case '\\':
      case '"':
        text += rest[at];
        break;
      case 'n':
        text += '\n';
        break;
      case 'r':
        text += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<RegistryValue> readValue(std::string_view text) {
  if (text.starts_with('"')) {
    std::optional<std::string> string = readQuoted(text);
    if (!string || !text.empty()) return std::nullopt;
    return RegistryValue{RegistryValue::Type::String, std::move(*string)};
  }
  constexpr std::string_view kDword = "dword:";
  if (!text.starts_with(kDword) || text.size() != kDword.size() + 8) return std::nullopt;
  text.remove_prefix(kDword.size());
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return RegistryValue{RegistryValue::Type::Dword, std::to_string(number)};
}

std::string valueText(const RegistryValue& value) {
  if (value.type == RegistryValue::Type::String) return quoted(value.text);
  char text[16];
  std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(value.dword()));
  return text;
}

void writeKey(const RegistryKey& key, const std::string& path, std::string& out) {
  out += "\n[" + path + "]\n";
  for (const auto& [name, value] : key.values()) {
    out += (name.empty() ? std::string("@") : quoted(name)) + "=" + valueText(value) + "\n";
  }
  for (const std::string& name : key.subkeyNames()) {
    writeKey(*key.subkey(name), path + "\\" + name, out);
  }
}

}  // namespace

std::uint32_t RegistryValue::dword() const {
  std::uint32_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

bool RegistryKey::isValidName(std::string_view name) {
  return !name.empty() && std::ranges::none_of(name, [](char c) {
    return c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
}

RegistryKey& RegistryKey::createSubkey(std::string_view name) {
  auto found = subkeys_.find(name);
  if (found == subkeys_.end()) {
    found = subkeys_.emplace(std::string(name), std::make_unique<RegistryKey>()).first;
  }
  return *found->second;
}

RegistryKey* RegistryKey::subkey(std::string_view name) {
  const auto found = subkeys_.find(name);
  return found == subkeys_.end() ? nullptr : found->second.get();
}

const RegistryKey* RegistryKey::subkey(std::string_view name) const {
  const auto found = subkeys_.find(name);
  return found == subkeys_.end() ? nullptr : found->second.get();
}

bool RegistryKey::removeSubkey(std::string_view name) {
  const auto found = subkeys_.find(name);
  if (found == subkeys_.end()) return false;
  subkeys_.erase(found);
  return true;
}

std::vector<std::string> RegistryKey::subkeyNames() const {
  std::vector<std::string> names;
  for (const auto& entry : subkeys_) names.push_back(entry.first);
  return names;
}

void RegistryKey::setValue(std::string_view name, RegistryValue value) {
  const auto found = values_.find(name);
  if (found != values_.end()) {
    found->second = std::move(value);
  } else {
    values_.emplace(std::string(name), std::move(value));
  }
}

const RegistryValue* RegistryKey::value(std::string_view name) const {
  const auto found = values_.find(name);
  return found == values_.end() ? nullptr : &found->second;
}

bool RegistryKey::removeValue(std::string_view name) {
  const auto found = values_.find(name);
  if (found == values_.end()) return false;
  values_.erase(found);
  return true;
}

const RegistryKey* RegistryKey::find(std::string_view path) const {
  const RegistryKey* key = this;
  while (key != nullptr && !path.empty()) {
    const std::size_t separator = path.find('\\');
    key = key->subkey(path.substr(0, separator));
    path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
  }
  return key;
}

std::optional<std::string> RegistryKey::defaultText(std::string_view path) const {
  const RegistryKey* key = find(path);
  const RegistryValue* value = key != nullptr ? key->value("") : nullptr;
  if (value == nullptr || value->type != RegistryValue::Type::String) return std::nullopt;
  return value->text;
}

RegistryTree::RegistryTree(std::string_view text) {
  RegistryKey* current = nullptr;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with(';') || (number == 1 && line == kHeader)) continue;

    if (line.starts_with('[')) {
      if (!line.ends_with(']') || line.size() < 3) malformed(number, "unfinished key name");
      std::string_view path = line.substr(1, line.size() - 2);
      current = &root_;
      for (;;) {
        const std::size_t separator = path.find('\\');
        const std::string_view name = path.substr(0, separator);
        if (!RegistryKey::isValidName(name)) malformed(number, "empty or invalid key name");
        current = &current->createSubkey(name);
        if (separator == std::string_view::npos) break;
        path.remove_prefix(separator + 1);
      }
      continue;
    }

    if (current == nullptr) malformed(number, "a value before the first key");
    std::string name;
    std::string_view rest = line;
    if (rest.starts_with('@')) {
      rest.remove_prefix(1);
    } else if (std::optional<std::string> quotedName = readQuoted(rest)) {
      if (quotedName->empty()) malformed(number, "empty value name");
      name = std::move(*quotedName);
    } else {
      malformed(number, "neither a key nor a value");
    }
    if (!rest.starts_with('=')) malformed(number, "no \"=\" after the value name");
    std::optional<RegistryValue> value = readValue(rest.substr(1));
    if (!value) malformed(number, "unreadable value");
    current->setValue(name, std::move(*value));
  }
}

std::string RegistryTree::text() const {
  std::string out(kHeader);
  out += '\n';
  for (const std::string& name : root_.subkeyNames()) writeKey(*root_.subkey(name), name, out);
  return out;
}

}  // namespace desk
