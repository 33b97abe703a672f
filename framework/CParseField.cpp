#include "framework/CParseField.h"

#include "framework/services/CTorvanLog.h"
#include "platform/text/TextRules.h"

namespace framework {
namespace {
constexpr std::size_t kSeparatorLimit = 11;

}  // namespace

CParseField::CParseField(const char* text, const char* separators) {
  if (separators != nullptr) separators_ = std::string_view(separators).substr(0, kSeparatorLimit);
  if (text == nullptr) return;
  text_ = text;
  Parse();
}

CParseField::~CParseField() {
  CTorvanLog::debugString("Delete %s [%s]", "QueryString", text_.c_str());
  for (const auto& [key, value] : items_) {
    CTorvanLog::debugString("Delete %s [%s]", "CParseField::~CParseField", "");
    CTorvanLog::debugString("Delete %s [%s]", "Key", key.c_str());
    CTorvanLog::debugString("Delete %s [%s]", "Value", value.c_str());
  }
}

void CParseField::Parse() {
  items_.clear();
  std::size_t start = 0;
  for (std::size_t index = 0; index < text_.size(); ++index) {
    if (separators_.find(text_[index]) == std::string::npos) continue;
    append(std::string_view(text_).substr(start, index - start));
    start = index + 1;
  }
  // The last item is taken also when it is empty: a text ending in a separator has one more.
  append(std::string_view(text_).substr(start));
}

void CParseField::append(std::string_view item) {
  const std::size_t equals = item.find('=');
  if (equals == std::string_view::npos) {
    items_.emplace_back("InvalidKey", std::string(item));
  } else {
    items_.emplace_back(std::string(item.substr(0, equals)), std::string(item.substr(equals + 1)));
  }
}

int CParseField::GetValue(std::string_view key, std::string& value) const {
  for (const auto& [itemKey, itemValue] : items_) {
    if (platform::equalIgnoringCase(itemKey, key)) {
      value = itemValue;
      return 1;
    }
  }
  value.clear();
  return 0;
}

void CParseField::Dump() const {
  for (const auto& [key, value] : items_) {
    CTorvanLog::debugString("Key is [%s], value is [%s]", key.c_str(), value.c_str());
  }
}

}  // namespace framework
