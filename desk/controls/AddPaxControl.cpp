#include "desk/controls/AddPaxControl.h"

#include "desk/state/AddPassengerControl.h"
#include "platform/com/OutsideControls.h"

namespace desk {
namespace {

using platform::add_passenger::dispatchId;
using Member = platform::add_passenger::Member;
constexpr DISPID kInitialMode = dispatchId(Member::InitialMode);
constexpr DISPID kText = dispatchId(Member::Text);
constexpr DISPID kCustomerSource = dispatchId(Member::CustomerSource);
constexpr DISPID kReply = dispatchId(Member::Reply);
constexpr DISPID kCompletionState = dispatchId(Member::CompletionState);
constexpr DISPID kPassengerList = dispatchId(Member::PassengerList);
constexpr DISPID kProfileMarker = dispatchId(Member::ProfileMarker);

// The only argument of a call, when there is exactly one of the type.
const VARIANT* onlyArgument(const DISPPARAMS* params, VARTYPE type) {
  if (params == nullptr || params->cArgs != 1 || params->rgvarg == nullptr) return nullptr;
  return params->rgvarg[0].vt == type ? &params->rgvarg[0] : nullptr;
}

}  // namespace

void registerAddPaxControl() {
  platform::registerOutsideControl(kAddPaxControlClass, &AddPaxControl::create);
}

const IID AddPaxControl::kIid{
    0x5A1D3C22, 0x7E41, 0x4B6A, {0x9C, 0x10, 0x2F, 0x61, 0xD4, 0x0B, 0x91, 0x33}};

ComPtr<IDispatch> AddPaxControl::create() {
  return ComPtr<IDispatch>(new AddPaxControl);
}

AddPaxControl* AddPaxControl::of(IDispatch& control) {
  ComPtr<IDispatch> found;
  if (FAILED(control.QueryInterface(kIid, found.outVoid()))) return nullptr;
  return static_cast<AddPaxControl*>(found.get());
}

HRESULT AddPaxControl::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO*, UINT*) {
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_METHOD)) != 0;
  const bool get = (flags & DISPATCH_PROPERTYGET) != 0;
  switch (member) {
    case kInitialMode:
    case kCustomerSource: {
      const VARIANT* value = onlyArgument(params, VT_I4);
      if (!put) return DISP_E_MEMBERNOTFOUND;
      if (value == nullptr) return DISP_E_TYPEMISMATCH;
      (member == kInitialMode ? received_.initialMode : received_.customerSource) = value->lVal;
      return S_OK;
    }
    case kText:
    case kReply: {
      const VARIANT* value = onlyArgument(params, VT_BSTR);
      if (!put) return DISP_E_MEMBERNOTFOUND;
      if (value == nullptr) return DISP_E_TYPEMISMATCH;
      (member == kText ? received_.texts : received_.replies)
          .push_back(latin1FromBstr(value->bstrVal));
      return S_OK;
    }
    case kCompletionState:
    case kPassengerList:
    case kProfileMarker:
      break;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
  if (!get) return DISP_E_MEMBERNOTFOUND;
  if (result == nullptr) return E_POINTER;
  const AddPassengerControlState& state = addPassengerControl();
  if (member == kPassengerList) {
    result->vt = VT_BSTR;
    result->bstrVal = bstrFromLatin1(state.listText);
    return S_OK;
  }
  result->vt = VT_I4;
  if (member == kCompletionState) {
    result->lVal = state.completionState;
    return S_OK;
  }
  const VARIANT* index = onlyArgument(params, VT_I4);
  if (index == nullptr) return DISP_E_TYPEMISMATCH;
  const bool inRange = index->lVal >= 0 &&
                       static_cast<std::size_t>(index->lVal) < kAddedPassengers &&
                       static_cast<std::size_t>(index->lVal) < state.profileMarkers.size();
  result->lVal = inRange && state.profileMarkers[index->lVal] == '1' ? 1 : 0;
  return S_OK;
}

}  // namespace desk
