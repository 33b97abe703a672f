#include "desk/container/TextEncoding.h"

#include <cstdint>
#include <vector>

namespace desk {
namespace {

// Code points of a UTF-8 text; an invalid byte stands for the Latin-1 character of its code.
std::vector<char32_t> codePoints(std::string_view text) {
  std::vector<char32_t> result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    char32_t code = length == 1   ? lead
                    : length == 2 ? (lead & 0x1F)
                    : length == 3 ? (lead & 0x0F)
                                  : (lead & 0x07);
    bool valid = length > 0 && at + static_cast<std::size_t>(length) <= text.size();
    for (int i = 1; valid && i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (valid && length > 1 && (code < smallest || code > 0x10FFFF)) valid = false;
    if (!valid) {
      result.push_back(lead);
      ++at;
      continue;
    }
    result.push_back(code);
    at += static_cast<std::size_t>(length);
  }
  return result;
}

}  // namespace

std::string utf8FromLatin1(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      result += c;
    } else {
      result += static_cast<char>(0xC0 | (code >> 6));
      result += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return result;
}

std::string utf8FromUtf16(const char16_t* text, std::size_t length) {
  std::string result;
  for (std::size_t at = 0; at < length; ++at) {
    char32_t code = text[at];
    if (code >= 0xD800 && code < 0xDC00 && at + 1 < length) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
    }
    if (code < 0x80) {
      result += static_cast<char>(code);
    } else if (code < 0x800) {
      result += static_cast<char>(0xC0 | (code >> 6));
      result += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      result += static_cast<char>(0xE0 | (code >> 12));
      result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      result += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      result += static_cast<char>(0xF0 | (code >> 18));
      result += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      result += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return result;
}

std::string latin1FromUtf8(std::string_view text) {
  std::string result;
  for (char32_t code : codePoints(text)) result += code <= 0xFF ? static_cast<char>(code) : '?';
  return result;
}

std::u16string utf16FromUtf8(std::string_view text) {
  std::u16string result;
  for (char32_t code : codePoints(text)) {
    if (code < 0x10000) {
      result += static_cast<char16_t>(code);
    } else {
      code -= 0x10000;
      result += static_cast<char16_t>(0xD800 + (code >> 10));
      result += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
  }
  return result;
}

}  // namespace desk
