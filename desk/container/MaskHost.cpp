#include "desk/container/MaskHost.h"

#include <stdexcept>

#include "desk/container/TextEncoding.h"

namespace desk {
namespace {

BSTR bstrFromUtf8(std::string_view text) {
  const std::u16string wide = utf16FromUtf8(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace

MaskHost::MaskHost(const ModuleLoader& module, const typelib::ClassDescription& description,
                   EventHandler onEvent)
    : description_(description) {
  ComPtr<IClassFactory> factory;
  HRESULT result = module.getClassObject()(description.clsid, IID_IClassFactory, factory.outVoid());
  if (FAILED(result)) {
    throw std::runtime_error("the module serves no class " + std::string(description.name) + " (" +
                             hresultToString(result) + ")");
  }
  result = factory->CreateInstance(nullptr, IID_IDispatch, dispatch_.outVoid());
  if (FAILED(result)) {
    throw std::runtime_error("cannot create " + std::string(description.name) + " (" +
                             hresultToString(result) + ")");
  }
  activation_ = dispatch_.query<IInPlaceActivation>(IID_IInPlaceActivation);
  auto container = dispatch_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (!activation_ || !container) {
    throw std::runtime_error(std::string(description.name) + " is not an activatable control");
  }
  container->FindConnectionPoint(description.eventIid, connectionPoint_.out());
  if (!connectionPoint_) throw std::runtime_error("no event connection point");
  ComPtr<IDispatch> sink(new EventSink(description, std::move(onEvent)));
  result = connectionPoint_->Advise(sink.get(), &cookie_);
  if (FAILED(result)) throw std::runtime_error("cannot connect the event sink");
}

MaskHost::~MaskHost() {
  release();
}

HRESULT MaskHost::open(platform::Window* containerWindow) {
  if (!activation_) return E_UNEXPECTED;
  return activation_->InPlaceActivate(containerWindow);
}

platform::Window* MaskHost::window() const {
  platform::Window* window = nullptr;
  if (activation_) activation_->GetWindow(&window);
  return window;
}

HRESULT MaskHost::invoke(std::string_view member, WORD flags,
                         const std::vector<std::string>& arguments, VARIANT* result) {
  if (!dispatch_) return E_UNEXPECTED;
  std::u16string name = utf16FromUtf8(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = 0;
  HRESULT outcome = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(outcome)) return outcome;

  std::vector<VARIANT> variants(arguments.size());
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    VARIANT& variant = variants[arguments.size() - 1 - index];  // the last argument first
    variant.vt = VT_BSTR;
    variant.bstrVal = bstrFromUtf8(arguments[index]);
  }
  DISPID namedPut = DISPID_PROPERTYPUT;
  const bool put = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS params{variants.empty() ? nullptr : variants.data(), put ? &namedPut : nullptr,
                    static_cast<UINT>(variants.size()), put ? 1u : 0u};
  outcome = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                              nullptr);
  for (VARIANT& variant : variants) VariantClear(&variant);
  return outcome;
}

HRESULT MaskHost::call(std::string_view member, const std::vector<std::string>& arguments) {
  return invoke(member, DISPATCH_METHOD, arguments, nullptr);
}

HRESULT MaskHost::putLang(std::string_view language) {
  return invoke("Lang", DISPATCH_PROPERTYPUT, {std::string(language)}, nullptr);
}

HRESULT MaskHost::getLang(std::string& language) {
  VARIANT value;
  VariantInit(&value);
  const HRESULT outcome = invoke("Lang", DISPATCH_PROPERTYGET, {}, &value);
  language = value.vt == VT_BSTR ? utf8FromUtf16(value.bstrVal, SysStringLen(value.bstrVal))
                                 : std::string();
  VariantClear(&value);
  return outcome;
}

void MaskHost::release() {
  if (connectionPoint_ && cookie_ != 0) connectionPoint_->Unadvise(cookie_);
  cookie_ = 0;
  connectionPoint_.reset();
  if (activation_) activation_->InPlaceDeactivate();
  activation_.reset();
  dispatch_.reset();
}

}  // namespace desk
