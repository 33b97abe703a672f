#pragma once
// A container's event sink for tests: it writes every call into a shared log, optionally runs
// a probe while the event is being fired, and answers as told.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/Interfaces.h"

namespace module::test {

struct SinkCall {
  std::string sink;
  DISPID event;
  std::vector<std::string> arguments;  // as the array holds them: the last argument first
  bool nullIid;
  LCID locale;
  WORD flags;
};

// A container's event sink that writes every call into a shared log and answers as told.
class RecordingSink final : public IDispatch {
 public:
  RecordingSink(std::string name, std::vector<SinkCall>& log, HRESULT answer = S_OK)
      : name_(std::move(name)), log_(log), answer_(answer) {}

  // Runs while each event is being fired, before the sink answers.
  void setProbe(std::function<void()> probe) { probe_ = std::move(probe); }

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override { return --references_; }
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT*,
                 EXCEPINFO*, UINT*) override {
    SinkCall call{name_, member, {}, iid == IID_NULL, locale, flags};
    for (UINT i = 0; params != nullptr && i < params->cArgs; ++i) {
      const VARIANT& argument = params->rgvarg[i];
      call.arguments.push_back(argument.vt == VT_BSTR ? latin1FromBstr(argument.bstrVal)
                                                      : "<not a string>");
    }
    log_.push_back(std::move(call));
    if (probe_) probe_();
    return answer_;
  }

  ULONG references() const { return references_; }

 private:
  std::string name_;
  std::vector<SinkCall>& log_;
  HRESULT answer_;
  std::function<void()> probe_;
  ULONG references_ = 0;
};

}  // namespace module::test
