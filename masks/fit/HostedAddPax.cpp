#include "masks/fit/HostedAddPax.h"

#include "platform/com/OutsideControls.h"
#include "platform/com/StringEventSink.h"

namespace fit {
namespace {

using platform::add_passenger::dispatchId;

VARIANT numberVariant(int number) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = number;
  return value;
}

VARIANT textVariant(std::string_view text) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BSTR;
  value.bstrVal = bstrFromLatin1(text);
  return value;
}

}  // namespace

HostedAddPax::HostedAddPax() = default;

HostedAddPax::~HostedAddPax() {
  Detach();
}

bool HostedAddPax::Attach(platform::Window& host, EventHandler handler) {
  Detach();
  control_ = platform::createOutsideControl(host.hostedClass());
  if (!control_) return false;
  host.setHostedControl(control_.get());
  sink_ = std::make_unique<platform::StringEventSink>(std::move(handler));
  if (auto container = control_.query<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
    if (SUCCEEDED(container->FindConnectionPoint(IID_IDispatch, point_.out()))) {
      if (FAILED(point_->Advise(sink_.get(), &cookie_))) point_.reset();
    }
  }
  return true;
}

void HostedAddPax::Detach() {
  if (point_) point_->Unadvise(cookie_);
  point_.reset();
  cookie_ = 0;
  control_.reset();
  sink_.reset();
}

void HostedAddPax::Put(Member member, VARIANT& value) {
  if (control_) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    control_->Invoke(dispatchId(member), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                     &params, nullptr, nullptr, nullptr);
  }
  VariantClear(&value);
}

bool HostedAddPax::Get(Member member, VARIANT* argument, VARIANT& result) const {
  VariantInit(&result);
  if (!control_) return false;
  DISPPARAMS params{argument, nullptr, argument != nullptr ? 1u : 0u, 0};
  return SUCCEEDED(control_->Invoke(dispatchId(member), IID_NULL, LOCALE_USER_DEFAULT,
                                    DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr));
}

void HostedAddPax::SetInitialMode(int mode) {
  VARIANT value = numberVariant(mode);
  Put(Member::InitialMode, value);
}

void HostedAddPax::SetText(std::string_view text) {
  VARIANT value = textVariant(text);
  Put(Member::Text, value);
}

void HostedAddPax::SetCustomerSource(int source) {
  VARIANT value = numberVariant(source);
  Put(Member::CustomerSource, value);
}

void HostedAddPax::SetReply(std::string_view text) {
  VARIANT value = textVariant(text);
  if (control_) {
    DISPPARAMS params{&value, nullptr, 1, 0};
    control_->Invoke(dispatchId(Member::Reply), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                     &params, nullptr, nullptr, nullptr);
  }
  VariantClear(&value);
}

int HostedAddPax::CompletionState() const {
  VARIANT result;
  const bool answered = Get(Member::CompletionState, nullptr, result) && result.vt == VT_I4;
  const int state = answered ? result.lVal : -1;
  VariantClear(&result);
  return state;
}

std::string HostedAddPax::PassengerList() const {
  VARIANT result;
  std::string list;
  if (Get(Member::PassengerList, nullptr, result) && result.vt == VT_BSTR) {
    list = latin1FromBstr(result.bstrVal);
  }
  VariantClear(&result);
  return list;
}

bool HostedAddPax::ProfileMarker(int index) const {
  VARIANT argument = numberVariant(index);
  VARIANT result;
  const bool marked =
      Get(Member::ProfileMarker, &argument, result) && result.vt == VT_I4 && result.lVal != 0;
  VariantClear(&result);
  return marked;
}

}  // namespace fit
