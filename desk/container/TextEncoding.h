#pragma once
// Mask texts are 8-bit Latin-1; scripts, browsers and JSON speak UTF-8; automation strings are
// UTF-16. Bytes that are not valid UTF-8 are taken as Latin-1 characters of their own, so no
// input is lost or refused.

#include <string>
#include <string_view>

namespace desk {

std::string utf8FromLatin1(std::string_view text);
// Characters beyond Latin-1 become '?'.
std::string latin1FromUtf8(std::string_view text);
std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(const char16_t* text, std::size_t length);

}  // namespace desk
