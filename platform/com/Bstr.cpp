#include "platform/com/Bstr.h"

#include <cstdlib>
#include <cstring>

namespace {

// The length in bytes is kept in the four bytes before the text, the text ends with a zero.
struct BstrHeader {
  std::uint32_t byteLength;
};

std::size_t terminatedLength(const OLECHAR* text) {
  std::size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

BstrHeader* headerOf(BSTR text) {
  return reinterpret_cast<BstrHeader*>(reinterpret_cast<char*>(text) - sizeof(BstrHeader));
}

std::u16string utf16FromLatin1(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (char c : text) result.push_back(static_cast<unsigned char>(c));
  return result;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  auto* block = static_cast<char*>(
      std::malloc(sizeof(BstrHeader) + (static_cast<std::size_t>(length) + 1) * sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  reinterpret_cast<BstrHeader*>(block)->byteLength = length * sizeof(OLECHAR);
  auto* result = reinterpret_cast<BSTR>(block + sizeof(BstrHeader));
  if (text != nullptr) {
    std::memcpy(result, text, length * sizeof(OLECHAR));
  } else {
    std::memset(result, 0, length * sizeof(OLECHAR));
  }
  result[length] = 0;
  return result;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(terminatedLength(text)));
}

void SysFreeString(BSTR text) {
  if (text != nullptr) std::free(headerOf(text));
}

UINT SysStringLen(BSTR text) {
  return text == nullptr ? 0 : headerOf(text)->byteLength / sizeof(OLECHAR);
}

BSTR bstrFromLatin1(std::string_view text) {
  const std::u16string wide = utf16FromLatin1(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string latin1FromBstr(const OLECHAR* text) {
  std::string result;
  if (text == nullptr) return result;
  for (const OLECHAR* c = text; *c != 0; ++c)
    result.push_back(*c <= 0xFF ? static_cast<char>(*c) : '?');
  return result;
}
