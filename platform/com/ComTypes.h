#pragma once
// The component model's basic types, with the values and layout the masks and their containers
// share: result codes, identifiers and the integer types of the interfaces.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using BOOL = int;
using LCID = std::uint32_t;
using DISPID = std::int32_t;
// A loaded module (shared library): the address it is loaded at.
using HINSTANCE = const void*;

constexpr HRESULT hresultFromCode(std::uint32_t code) {
  return static_cast<HRESULT>(code);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = hresultFromCode(0x80004001);
constexpr HRESULT E_NOINTERFACE = hresultFromCode(0x80004002);
constexpr HRESULT E_POINTER = hresultFromCode(0x80004003);
constexpr HRESULT E_FAIL = hresultFromCode(0x80004005);
constexpr HRESULT E_UNEXPECTED = hresultFromCode(0x8000FFFF);
constexpr HRESULT E_INVALIDARG = hresultFromCode(0x80070057);
constexpr HRESULT CLASS_E_NOAGGREGATION = hresultFromCode(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresultFromCode(0x80040111);
constexpr HRESULT CONNECT_E_NOCONNECTION = hresultFromCode(0x80040200);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = hresultFromCode(0x80040202);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresultFromCode(0x80020003);
constexpr HRESULT DISP_E_TYPEMISMATCH = hresultFromCode(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = hresultFromCode(0x80020006);
constexpr HRESULT DISP_E_BADPARAMCOUNT = hresultFromCode(0x8002000E);
constexpr HRESULT DISP_E_EXCEPTION = hresultFromCode(0x80020009);

constexpr bool SUCCEEDED(HRESULT result) {
  return result >= 0;
}
constexpr bool FAILED(HRESULT result) {
  return result < 0;
}

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];

  friend bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr IID IID_NULL{};

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", upper-case hexadecimal.
std::string guidToString(const GUID& guid);
// The identifier written as guidToString writes it, in either letter case; nothing for any
// other text.
std::optional<GUID> guidFromString(std::string_view text);
// "0x80004005": eight upper-case hexadecimal digits.
std::string hresultToString(HRESULT result);

// Dispatch call kinds and the locale the masks fire their events with.
constexpr WORD DISPATCH_METHOD = 1;
constexpr WORD DISPATCH_PROPERTYGET = 2;
constexpr WORD DISPATCH_PROPERTYPUT = 4;
constexpr DISPID DISPID_PROPERTYPUT = -3;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
