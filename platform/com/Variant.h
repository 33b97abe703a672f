#pragma once
// VARIANT for the types the masks and their containers pass, and the dispatch argument list.

#include "platform/com/Bstr.h"
#include "platform/com/ComTypes.h"

struct IUnknown;
struct IDispatch;

using VARTYPE = std::uint16_t;

constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I2 = 2;  // the calendar control's day, month and year
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_DISPATCH = 9;
constexpr VARTYPE VT_UNKNOWN = 13;

struct VARIANT {
  VARTYPE vt;
  union {
    std::int16_t iVal;
    LONG lVal;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
  };
};

void VariantInit(VARIANT* variant);
// Frees what the variant owns (its string, its interface reference) and empties it.
HRESULT VariantClear(VARIANT* variant);

struct DISPPARAMS {
  VARIANT* rgvarg;  // the arguments, last argument first
  DISPID* rgdispidNamedArgs;
  UINT cArgs;
  UINT cNamedArgs;
};

// Error details of a failed dispatch call; the masks never fill it.
struct EXCEPINFO;
