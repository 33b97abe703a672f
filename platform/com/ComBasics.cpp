#include <cstdio>

#include "platform/com/Interfaces.h"
#include "platform/com/Variant.h"

// The standard interface identifiers.
const IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IConnectionPointContainer{
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
const IID IID_IConnectionPoint{
    0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
// The desk's own in-place activation interface.
const IID IID_IInPlaceActivation{
    0x5E0C6A31, 0x7D2B, 0x4F0A, {0x9B, 0x61, 0x3C, 0x2E, 0x8A, 0x14, 0x70, 0xD5}};

std::string guidToString(const GUID& guid) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1,
                guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return text;
}

std::optional<GUID> guidFromString(std::string_view text) {
  // Positions of the dashes in "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
  constexpr std::size_t kLength = 38;
  if (text.size() != kLength || text.front() != '{' || text.back() != '}') return std::nullopt;
  std::uint8_t bytes[16];
  std::size_t count = 0;
  for (std::size_t at = 1; at + 1 < kLength;) {
    if (at == 9 || at == 14 || at == 19 || at == 24) {
      if (text[at] != '-') return std::nullopt;
      ++at;
      continue;
    }
    int value = 0;
    for (int digit = 0; digit < 2; ++digit, ++at) {
      const char c = text[at];
      int nibble = -1;
      if (c >= '0' && c <= '9') nibble = c - '0';
      if (c >= 'a' && c <= 'f') nibble = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') nibble = c - 'A' + 10;
      if (nibble < 0) return std::nullopt;
      value = value * 16 + nibble;
    }
    bytes[count++] = static_cast<std::uint8_t>(value);
  }
  GUID guid{};
  guid.Data1 = static_cast<std::uint32_t>(bytes[0]) << 24 |
               static_cast<std::uint32_t>(bytes[1]) << 16 |
               static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
  guid.Data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
  guid.Data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
  for (int index = 0; index < 8; ++index) guid.Data4[index] = bytes[8 + index];
  return guid;
}

std::string hresultToString(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
  return text;
}

void VariantInit(VARIANT* variant) {
  variant->vt = VT_EMPTY;
  variant->lVal = 0;
}

HRESULT VariantClear(VARIANT* variant) {
  if (variant == nullptr) return E_POINTER;
  switch (variant->vt) {
    case VT_BSTR:
      SysFreeString(variant->bstrVal);
      break;
    case VT_UNKNOWN:
      if (variant->punkVal != nullptr) variant->punkVal->Release();
      break;
    case VT_DISPATCH:
      if (variant->pdispVal != nullptr) variant->pdispVal->Release();
      break;
    default:
      break;
  }
  VariantInit(variant);
  return S_OK;
}
