#pragma once
// The rules for text that every layer shares: letter case, blanks at the ends, and the size
// limit of a caller's buffer.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Letter case is changed and compared for the ASCII letters only: bytes above 0x7F are
// Latin-1 or parts of UTF-8 sequences that a byte-wise case change would break.
std::string lowerAscii(std::string_view text);
std::string upperAscii(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// The text without spaces and tabs at either end (names and lines of settings files).
std::string_view trimBlanks(std::string_view text);
// The text without any white space at either end: spaces, tabs, line ends, vertical tabs and
// form feeds (what a user typed into a control).
std::string_view trimWhiteSpace(std::string_view text);

// A caller buffer of bufferSize bytes holds at most bufferSize - 1 characters and the
// terminating zero; the text is cut to that.
std::string limitToBuffer(std::string_view text, std::size_t bufferSize);

}  // namespace platform
