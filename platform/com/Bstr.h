#pragma once
// Automation strings: 16-bit characters with their length stored before the text, allocated
// and freed by the component model. Mask texts are 8-bit Latin-1; the conversions map each
// byte to the character of that code and back (characters beyond Latin-1 become '?').

#include <string>
#include <string_view>
#include <utility>

#include "platform/com/ComTypes.h"

using OLECHAR = char16_t;
using BSTR = OLECHAR*;
using LPOLESTR = OLECHAR*;

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

BSTR bstrFromLatin1(std::string_view text);
// A null string reads as empty.
std::string latin1FromBstr(const OLECHAR* text);

// Owns one BSTR, as a container or a mask keeps it.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view latin1) : text_(bstrFromLatin1(latin1)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(text_, other.text_);
    return *this;
  }
  ~Bstr() { SysFreeString(text_); }

  BSTR get() const { return text_; }
  // Hands the string over to the caller, who frees it.
  BSTR release() { return std::exchange(text_, nullptr); }
  // For out parameters: frees the old string and gives the slot to fill.
  BSTR* out() {
    SysFreeString(std::exchange(text_, nullptr));
    return &text_;
  }
  std::string latin1() const { return latin1FromBstr(text_); }

 private:
  BSTR text_ = nullptr;
};
