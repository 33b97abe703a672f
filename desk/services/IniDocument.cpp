#include "desk/services/IniDocument.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "platform/text/TextRules.h"

namespace desk {
namespace {

// Names as keys of hash tables, compared as the format compares them: without regard to the
// letter case of ASCII letters. The tables hold views of names that outlive them.
struct NameHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u;  // FNV-1a
    for (const char c : name) {
      hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      hash *= 1099511628211u;
    }
    return hash;
  }
};

struct SameName {
  bool operator()(std::string_view a, std::string_view b) const {
    return platform::equalIgnoringCase(a, b);
  }
};

template <typename Value>
using NameMap = std::unordered_map<std::string_view, Value, NameHash, SameName>;

// A key of one section, for the table of the keys already seen in every section.
struct SectionKey {
  std::size_t section;
  std::string_view key;
};

struct SectionKeyHash {
  std::size_t operator()(const SectionKey& entry) const {
    return NameHash()(entry.key) ^ (entry.section * 0x9E3779B97F4A7C15u);
  }
};

struct SameSectionKey {
  bool operator()(const SectionKey& a, const SectionKey& b) const {
    return a.section == b.section && platform::equalIgnoringCase(a.key, b.key);
  }
};

}  // namespace

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

std::size_t IniDocument::insertionPoint(std::size_t header) const {
  std::size_t at = blockEnd(header);
  while (at > header + 1 && platform::trimBlanks(lines_[at - 1].raw).empty()) --at;
  return at;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  const IniChange change{std::string(section), std::string(key), std::string(value)};
  set(std::span(&change, 1));
}

void IniDocument::set(std::span<const IniChange> changes) {
  // The changes by section, sections in the order of their first change.
  struct Group {
    std::string name;
    std::vector<const IniChange*> changes;
    std::optional<std::size_t> firstHeader;
    NameMap<std::size_t> lineOfKey;  // the first line of each key
  };
  std::vector<Group> groups;
  NameMap<std::size_t> groupOf;
  for (const IniChange& change : changes) {
    const std::string_view section = platform::trimBlanks(change.section);
    const auto [found, added] = groupOf.try_emplace(section, groups.size());
    if (added) groups.push_back({std::string(section), {}, std::nullopt, {}});
    groups[found->second].changes.push_back(&change);
  }

  // One pass finds each changed section's blocks and the keys they hold.
  Group* current = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kSection) {
      const auto found = groupOf.find(line.name);
      current = found == groupOf.end() ? nullptr : &groups[found->second];
      if (current && !current->firstHeader) current->firstHeader = i;
    } else if (line.kind == Kind::kEntry && current) {
      current->lineOfKey.try_emplace(line.name, i);
    }
  }

  // Existing keys change in place; new keys are gathered, to go in after the pass.
  std::vector<std::pair<std::size_t, std::vector<Line>>> insertions;  // before which line
  std::vector<Line> newSections;
  for (Group& group : groups) {
    std::vector<Line> added;
    NameMap<std::size_t> addedAt;
    for (const IniChange* change : group.changes) {
      const std::string_view key = platform::trimBlanks(change->key);
      std::string singleLine(change->value);
      std::ranges::replace_if(
          singleLine, [](char c) { return c == '\r' || c == '\n'; }, ' ');
      Line* existing = nullptr;
      if (const auto found = group.lineOfKey.find(key); found != group.lineOfKey.end()) {
        existing = &lines_[found->second];
      } else if (const auto again = addedAt.find(key); again != addedAt.end()) {
        existing = &added[again->second];
      }
      if (existing) {
        existing->raw.replace(existing->valueAt, std::string::npos, singleLine);
        continue;
      }
      addedAt.emplace(key, added.size());
      added.push_back(parseLine(std::string(key) + "=" + singleLine));
    }
    if (added.empty()) continue;
    if (!group.firstHeader) {
      newSections.push_back(parseLine("[" + group.name + "]"));
      std::ranges::move(added, std::back_inserter(newSections));
      continue;
    }
    insertions.emplace_back(insertionPoint(*group.firstHeader), std::move(added));
  }

  if (!insertions.empty()) {
    std::ranges::sort(insertions, {}, &decltype(insertions)::value_type::first);
    std::vector<Line> merged;
    merged.reserve(lines_.size() + changes.size());
    std::size_t next = 0;
    for (auto& [at, added] : insertions) {
      std::move(lines_.begin() + static_cast<std::ptrdiff_t>(next),
                lines_.begin() + static_cast<std::ptrdiff_t>(at), std::back_inserter(merged));
      std::ranges::move(added, std::back_inserter(merged));
      next = at;
    }
    std::move(lines_.begin() + static_cast<std::ptrdiff_t>(next), lines_.end(),
              std::back_inserter(merged));
    lines_ = std::move(merged);
  }
  std::ranges::move(newSections, std::back_inserter(lines_));
}

std::vector<IniSection> IniDocument::sections() const {
  std::vector<IniSection> sections;
  NameMap<std::size_t> indexOf;
  std::unordered_set<SectionKey, SectionKeyHash, SameSectionKey> seen;
  // Sized once, so that the tables of a large file are not rehashed as they grow.
  const auto count = [this](Kind kind) {
    return static_cast<std::size_t>(std::ranges::count(lines_, kind, &Line::kind));
  };
  indexOf.reserve(count(Kind::kSection));
  seen.reserve(count(Kind::kEntry));
  std::optional<std::size_t> current;
  for (const Line& line : lines_) {
    if (line.kind == Kind::kSection) {
      const auto [found, added] = indexOf.try_emplace(line.name, sections.size());
      if (added) {
        sections.push_back({line.name, {}});
      }
      current = found->second;
    } else if (line.kind == Kind::kEntry && current) {
      if (seen.insert({*current, line.name}).second) {
        sections[*current].entries.emplace_back(line.name, line.value());
      }
    }
  }
  return sections;
}

}  // namespace desk
