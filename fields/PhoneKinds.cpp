#include "fields/PhoneKinds.h"

#include <string>

#include "fields/FieldParts.h"

namespace fields {

void addPhoneKindEntries(platform::Window& list) {
  for (int kind = 0; kind < kPhoneKindCount; ++kind) {
    const std::string_view key = kPhoneKinds[kind].entryKey;
    list.addEntry(languageText(key).value_or(std::string(key)), kind);
  }
}

std::optional<PhoneKind> selectedPhoneKind(const platform::Window& list) {
  const platform::ListEntry* entry = list.entry(list.currentEntry());
  if (entry == nullptr || entry->data < 0 || entry->data >= kPhoneKindCount) return std::nullopt;
  return static_cast<PhoneKind>(entry->data);
}

}  // namespace fields
