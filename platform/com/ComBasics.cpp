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
