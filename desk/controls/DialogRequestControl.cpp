#include "desk/controls/DialogRequestControl.h"

#include "platform/com/OutsideControls.h"

namespace desk {
namespace {

constexpr DISPID kReply = 4;

}  // namespace

void registerDialogRequestControls() {
  for (std::string_view name : {kPolicyControlClass, kDossControlClass}) {
    platform::registerOutsideControl(name, [name] { return DialogRequestControl::create(name); });
  }
}

const IID DialogRequestControl::kIid{
    0x5A1D3C23, 0x7E41, 0x4B6A, {0x9C, 0x10, 0x2F, 0x61, 0xD4, 0x0B, 0x91, 0x34}};

ComPtr<IDispatch> DialogRequestControl::create(std::string_view className) {
  return ComPtr<IDispatch>(new DialogRequestControl(className));
}

DialogRequestControl* DialogRequestControl::of(IDispatch& control) {
  ComPtr<IDispatch> found;
  if (FAILED(control.QueryInterface(kIid, found.outVoid()))) return nullptr;
  return static_cast<DialogRequestControl*>(found.get());
}

HRESULT DialogRequestControl::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT*, EXCEPINFO*, UINT*) {
  if (member != kReply || (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYPUT)) == 0) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (params == nullptr || params->cArgs != 1 || params->rgvarg == nullptr) {
    return DISP_E_BADPARAMCOUNT;
  }
  if (params->rgvarg[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  replies_.push_back(latin1FromBstr(params->rgvarg[0].bstrVal));
  return S_OK;
}

}  // namespace desk
