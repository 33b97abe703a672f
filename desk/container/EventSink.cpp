#include "desk/container/EventSink.h"

#include <utility>

#include "desk/container/TextEncoding.h"

namespace desk {

EventSink::EventSink(const typelib::ClassDescription& description, EventHandler handler)
    : description_(description), handler_(std::move(handler)) {}

void* EventSink::otherInterface(REFIID iid) {
  return iid == description_.eventIid ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT EventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                          EXCEPINFO*, UINT*) {
  const typelib::EventMember* event = typelib::findEvent(description_, member);
  const std::string name =
      event != nullptr ? std::string(event->name) : "dispid " + std::to_string(member);
  std::vector<std::string> arguments;
  if (params != nullptr) {
    // The mask passes the last argument first.
    for (UINT index = params->cArgs; index > 0; --index) {
      const VARIANT& argument = params->rgvarg[index - 1];
      arguments.push_back(argument.vt == VT_BSTR
                              ? utf8FromUtf16(argument.bstrVal, SysStringLen(argument.bstrVal))
                              : std::string());
    }
  }
  if (handler_) handler_(name, arguments);
  return S_OK;
}

}  // namespace desk
