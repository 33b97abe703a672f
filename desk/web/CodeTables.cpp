#include "desk/web/CodeTables.h"

#include <algorithm>
#include <cctype>

#include <pugixml.hpp>

namespace desk {
namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

CodeTables::CodeTables(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::vector<std::string> CodeTables::names() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (entry.is_regular_file(error) && entry.path().extension() == ".xml") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::ranges::sort(names);
  return names;
}

const std::vector<CodeTableEntry>* CodeTables::table(std::string_view name) const {
  if (const auto found = loaded_.find(name); found != loaded_.end()) return &found->second;
  const auto names = this->names();
  if (std::ranges::find(names, name) == names.end()) return nullptr;
  std::vector<CodeTableEntry> entries;
  pugi::xml_document document;
  if (document.load_file((folder_ / (std::string(name) + ".xml")).c_str())) {
    for (const pugi::xpath_node& node : document.select_nodes("//Coder/T")) {
      entries.push_back({node.node().child_value("C"), node.node().child_value("D")});
    }
  }
  return &loaded_.emplace(std::string(name), std::move(entries)).first->second;
}

std::vector<CodeTableEntry> CodeTables::search(std::string_view tableName, std::string_view query,
                                               std::size_t limit) const {
  std::lock_guard lock(mutex_);
  const std::vector<CodeTableEntry>* entries = table(tableName);
  if (entries == nullptr) return {};
  const std::string wanted = lowerCase(query);
  std::vector<CodeTableEntry> byCode;
  std::vector<CodeTableEntry> byText;
  for (const CodeTableEntry& entry : *entries) {
    const std::string code = lowerCase(entry.code);
    if (code.starts_with(wanted)) {
      byCode.push_back(entry);
    } else if (code.find(wanted) != std::string::npos ||
               lowerCase(entry.description).find(wanted) != std::string::npos) {
      byText.push_back(entry);
    }
  }
  byCode.insert(byCode.end(), byText.begin(), byText.end());
  if (byCode.size() > limit) byCode.resize(limit);
  return byCode;
}

}  // namespace desk
