#include "platform/com/StringEventSink.h"

#include "platform/com/Bstr.h"

namespace platform {

HRESULT StringEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                EXCEPINFO*, UINT*) {
  std::vector<std::string> arguments;
  const UINT count = params != nullptr && params->rgvarg != nullptr ? params->cArgs : 0;
  for (UINT index = count; index-- > 0;) {
    const VARIANT& argument = params->rgvarg[index];  // the last argument first
    arguments.push_back(argument.vt == VT_BSTR ? latin1FromBstr(argument.bstrVal) : "");
  }
  if (handler_) handler_(member, arguments);
  return S_OK;
}

}  // namespace platform
