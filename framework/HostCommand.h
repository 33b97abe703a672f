#pragma once
// The texts every host command builder shares. Three characters of the host's entry syntax lie
// outside plain ASCII; the masks never write them, but the six-character escape text that
// names each one, and the container receives the escape text unchanged.

#include <string>
#include <string_view>

namespace framework {

// Between an item's line number and its new content: a change of an existing item.
inline constexpr std::string_view kChangeMark = "\\u00A4";
// Before and after free text inside an element.
inline constexpr std::string_view kFreeTextMark = "\\u00A5";
// Joins several entries into one host command.
inline constexpr std::string_view kEntrySeparator = "\\u00A7";

// Commands the masks have run on their own behalf; the percent signs are part of the text.
inline constexpr std::string_view kAgentInfoCommand = "%%JX AIT";
inline constexpr std::string_view kPassengerInfoCommand = "%%JX PAX";

// An e-mail address as the host takes it: each underscore written as "==".
std::string hostEmailAddress(std::string_view address);

}  // namespace framework
