#include "desk/web/WebAddress.h"

namespace desk {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Each "name=value" part of a query, in order.
template <typename Visit>
void forEachParameter(std::string_view query, Visit visit) {
  while (!query.empty()) {
    const auto end = query.find('&');
    const std::string_view part = query.substr(0, end);
    const auto equals = part.find('=');
    visit(part, part.substr(0, equals),
          equals == std::string_view::npos ? std::string_view() : part.substr(equals + 1));
    if (end == std::string_view::npos) break;
    query.remove_prefix(end + 1);
  }
}

}  // namespace

WebAddress splitTarget(std::string_view target) {
  const auto question = target.find('?');
  if (question == std::string_view::npos) return {target, {}};
  return {target.substr(0, question), target.substr(question + 1)};
}

std::optional<std::string> percentDecoded(std::string_view text, bool query) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '%') {
      if (at + 2 >= text.size()) return std::nullopt;
      const int high = hexValue(text[at + 1]);
      const int low = hexValue(text[at + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      const char byte = static_cast<char>(high * 16 + low);
      if (byte == '\0') return std::nullopt;
      decoded += byte;
      at += 2;
    } else if (c == '+' && query) {
      decoded += ' ';
    } else {
      decoded += c;
    }
  }
  return decoded;
}

std::optional<std::string> queryValue(std::string_view query, std::string_view name) {
  std::optional<std::string> found;
  bool seen = false;
  forEachParameter(query, [&](std::string_view, std::string_view key, std::string_view value) {
    if (seen) return;
    const auto decodedKey = percentDecoded(key, true);
    if (!decodedKey || *decodedKey != name) return;
    seen = true;
    found = percentDecoded(value, true);
  });
  return found;
}

std::string withoutQueryParameter(std::string_view target, std::string_view name) {
  const WebAddress address = splitTarget(target);
  std::string kept;
  forEachParameter(address.query,
                   [&](std::string_view part, std::string_view key, std::string_view) {
                     const auto decodedKey = percentDecoded(key, true);
                     if (decodedKey && *decodedKey == name) return;
                     if (part.empty()) return;
                     if (!kept.empty()) kept += '&';
                     kept += part;
                   });
  std::string result(address.path);
  if (!kept.empty()) result += "?" + kept;
  return result;
}

}  // namespace desk
