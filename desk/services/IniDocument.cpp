#include "desk/services/IniDocument.h"

#include <algorithm>

#include "platform/text/TextRules.h"

namespace desk {

IniDocument::IniDocument(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines_.push_back(parseLine(std::string(text.substr(0, end))));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

IniDocument::Line IniDocument::parseLine(std::string raw) {
  // A file edited on Windows ends its lines with CR LF; the CR belongs to the line end. So do
  // the doubled CRs of a file converted twice: kept in the text, each save would take one more
  // away and change a value that nobody wrote.
  while (!raw.empty() && raw.back() == '\r') raw.pop_back();
  Line line;
  line.raw = std::move(raw);
  const std::string_view content = platform::trimBlanks(line.raw);
  if (content.empty() || content.front() == ';' || content.front() == '#') return line;
  if (content.front() == '[') {
    const std::size_t close = content.find(']');
    if (close == std::string_view::npos) return line;
    line.kind = Kind::kSection;
    line.name = platform::trimBlanks(content.substr(1, close - 1));
    return line;
  }
  const std::size_t equals = line.raw.find('=');
  if (equals == std::string::npos) return line;
  line.name = platform::trimBlanks(std::string_view(line.raw).substr(0, equals));
  if (line.name.empty()) return line;
  line.kind = Kind::kEntry;
  line.valueAt = equals + 1;
  return line;
}

std::string IniDocument::text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.raw;
    text += '\n';
  }
  return text;
}

std::vector<std::size_t> IniDocument::sectionHeaders(std::string_view section) const {
  section = platform::trimBlanks(section);
  std::vector<std::size_t> headers;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::kSection && platform::equalIgnoringCase(lines_[i].name, section)) {
      headers.push_back(i);
    }
  }
  return headers;
}

std::size_t IniDocument::blockEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != Kind::kSection) ++end;
  return end;
}

std::optional<std::string_view> IniDocument::find(std::string_view section,
                                                  std::string_view key) const {
  key = platform::trimBlanks(key);
  for (std::size_t header : sectionHeaders(section)) {
    for (std::size_t i = header + 1, end = blockEnd(header); i < end; ++i) {
      if (lines_[i].kind == Kind::kEntry && platform::equalIgnoringCase(lines_[i].name, key)) {
        return lines_[i].value();
      }
    }
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniDocument::entries(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::size_t header : sectionHeaders(section)) {
    for (std::size_t i = header + 1, end = blockEnd(header); i < end; ++i) {
      const Line& line = lines_[i];
      if (line.kind != Kind::kEntry) continue;
      const bool seen = std::ranges::any_of(entries, [&](const auto& entry) {
        return platform::equalIgnoringCase(entry.first, line.name);
      });
      if (!seen) entries.emplace_back(line.name, line.value());
    }
  }
  return entries;
}

bool IniDocument::isValidSectionName(std::string_view section) {
  section = platform::trimBlanks(section);
  return !section.empty() && section.find_first_of("]\r\n") == std::string_view::npos;
}

bool IniDocument::isValidKeyName(std::string_view key) {
  // A key must read back as itself: '=' would end it early, and a leading '[', ';' or '#' would
  // make its line a section or a comment.
  key = platform::trimBlanks(key);
  return !key.empty() && key.find_first_of("=\r\n") == std::string_view::npos &&
         key.front() != '[' && key.front() != ';' && key.front() != '#';
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  section = platform::trimBlanks(section);
  key = platform::trimBlanks(key);
  std::string singleLine(value);
  std::ranges::replace_if(
      singleLine, [](char c) { return c == '\r' || c == '\n'; }, ' ');

  const std::vector<std::size_t> headers = sectionHeaders(section);
  for (std::size_t header : headers) {
    for (std::size_t i = header + 1, end = blockEnd(header); i < end; ++i) {
      Line& line = lines_[i];
      if (line.kind == Kind::kEntry && platform::equalIgnoringCase(line.name, key)) {
        line.raw.replace(line.valueAt, std::string::npos, singleLine);
        return;
      }
    }
  }
  Line entry = parseLine(std::string(key) + "=" + singleLine);
  if (headers.empty()) {
    lines_.push_back(parseLine("[" + std::string(section) + "]"));
    lines_.push_back(std::move(entry));
    return;
  }
  // After the last line with content, so that blank lines keep separating the sections.
  std::size_t insertAt = blockEnd(headers.front());
  while (insertAt > headers.front() + 1 && platform::trimBlanks(lines_[insertAt - 1].raw).empty()) {
    --insertAt;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

}  // namespace desk
