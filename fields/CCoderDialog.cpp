#include "fields/CCoderDialog.h"

#include "resources/dialogs/PickerDialogs.h"

namespace fields {

namespace {

constexpr DISPID kSetTable = 1;
constexpr DISPID kChosen = 2;
constexpr DISPID kStatus = 3;
constexpr DISPID kClosed = 4;
// The chosen texts are kept as the 1024-character buffers of the desktop held them.
constexpr std::size_t kLargestText = 1023;

}  // namespace

CCoderDialog::CCoderDialog()
    : PickerDialog(resources::coder_dialog::kDialog, resources::coder_dialog::kLookup, "coder") {}

std::string CCoderDialog::Run(platform::Window* owner, std::string_view tableName) {
  tableName_ = std::string(tableName);
  code_.clear();
  description_.clear();
  DoModal(owner);
  return code_;
}

void CCoderDialog::OnOpen(IDispatch& control) {
  VARIANT name;
  name.vt = VT_BSTR;
  name.bstrVal = bstrFromLatin1(tableName_);
  DISPPARAMS params{&name, nullptr, 1, 0};
  control.Invoke(kSetTable, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                 nullptr, nullptr);
  VariantClear(&name);
}

void CCoderDialog::OnControlEvent(DISPID event, const std::vector<std::string>& arguments,
                                  IDispatch&) {
  switch (event) {
    case kChosen:
      if (arguments.size() >= 2) {
        description_ = arguments[0].substr(0, kLargestText);
        code_ = arguments[1].substr(0, kLargestText);
      }
      EndDialog();
      break;
    case kStatus:
      log().error("EncDialog", "OnStatus", 200, "%s",
                  arguments.empty() ? "" : arguments[0].c_str());
      break;
    case kClosed:
      EndDialog();
      break;
    default:
      break;
  }
}

}  // namespace fields
