#pragma once
// What the creation commands share when they join their items: the separator flag, the phone
// prefix of profile phones, and the removal of a string's final entry separator.

#include <string>
#include <string_view>

#include "framework/HostCommand.h"

namespace fit {

// The group opener.
inline constexpr std::string_view kGroupOpener = "|";

// Appends optional items to a growing command. While the separator flag is clear an item is
// preceded by the group opener "|" and the flag is set; while it is set, by the entry
// separator "\u00A7". Clearing the flag lets the next item open a new "|" group.
class ItemJoiner {
 public:
  explicit ItemJoiner(std::string& command) : command_(command) {}

  // Writes the separator the rule asks for and gives it.
  std::string_view separate() {
    const std::string_view separator = flag_ ? framework::kEntrySeparator : kGroupOpener;
    flag_ = true;
    command_ += separator;
    return separator;
  }
  // An item: separator and text; nothing for an empty text.
  void addItem(std::string_view item) {
    if (item.empty()) return;
    separate();
    command_ += item;
  }
  void append(std::string_view text) { command_ += text; }
  void clearFlag() { flag_ = false; }
  void setFlag(bool flag) { flag_ = flag; }
  bool flag() const { return flag_; }

 private:
  std::string& command_;
  bool flag_ = false;
};

// The beginning of a phone item: "5 " instead of "9 " exactly when the profile's flag string of
// that phone kind is "False" and its value string "True" (compared with letter case).
inline std::string_view phonePrefix(std::string_view flag, std::string_view value) {
  return flag == "False" && value == "True" ? "5 " : "9 ";
}

// The text without its final "\u00A7", when it ends with one.
inline std::string_view withoutFinalSeparator(std::string_view text) {
  if (text.ends_with(framework::kEntrySeparator)) {
    text.remove_suffix(framework::kEntrySeparator.size());
  }
  return text;
}

}  // namespace fit
