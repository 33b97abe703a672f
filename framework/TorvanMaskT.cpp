#include "framework/TorvanMaskT.h"

#include "framework/Help.h"
#include "framework/MaskState.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"
#include "framework/services/TorvanArch.h"
#include "platform/text/TextRules.h"
#include "platform/window/Desktop.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::size_t kTextBuffer = 1024;
constexpr std::string_view kDefaultLanguage = "EN1";
}  // namespace

TorvanMaskBase::TorvanMaskBase(std::string_view maskName)
    : maskName_(maskName),
      languageCode_(kDefaultLanguage),
      log_(std::make_unique<CTorvanLog>()),
      backgroundBrush_{kMaskBackground} {}

TorvanMaskBase::~TorvanMaskBase() {
  // Only a mask that loaded the table gives a load back, so that a mask that was never shown
  // cannot unload the table another mask still reads.
  if (languageLoaded_) LANG_unload();
}

void TorvanMaskBase::LoadLanguage() {
  CTorvanProfile profile;
  openWhiteboardSection(profile, "User");
  profile.setKeyName("LANG");
  profile.getValue(languageCode_, kDefaultLanguage, kTextBuffer);
  LANG_load(languageCode_);
  languageLoaded_ = true;
}

bool TorvanMaskBase::GetLangText(std::string_view key, std::string& text) const {
  if (LANG_getString(key, text, kTextBuffer)) return true;
  text.assign(key.substr(0, kTextBuffer - 1));
  return false;
}

void TorvanMaskBase::SetCaption(Window& dialog, int controlId, std::string_view key) const {
  std::string caption;
  if (!GetLangText(key, caption)) return;
  if (Window* control = dialog.child(controlId)) control->setText(caption);
}

void TorvanMaskBase::SetButtonCaptions(Window& dialog, const ButtonIds& buttons) const {
  SetCaption(dialog, buttons.clear, "CAPTION_BUTTON_CLEAR");
  SetCaption(dialog, buttons.cancel, "CAPTION_BUTTON_CANCEL");
  SetCaption(dialog, buttons.help, "CAPTION_BUTTON_HELP");
  SetCaption(dialog, buttons.recall, "CAPTION_BUTTON_RECALL");
  SetCaption(dialog, buttons.send, "CAPTION_BUTTON_SEND");
}

void TorvanMaskBase::PrepareDialog(Window& dialog) {
  statusLine_ = dialog.child(kStatusLineId);
  if (statusLine_ != nullptr) {
    statusLine_->show(SW_HIDE);
    statusLinePainter_.attach(*statusLine_);
  }
  backgroundColour_ = kMaskBackground;
  dialogBrush_ = std::make_unique<Brush>(Brush{backgroundColour_});
}

void TorvanMaskBase::ShowHelp(std::string_view className) const {
  showHelp(className, languageCode_);
}

void TorvanMaskBase::ReportFault(Window& dialog, int controlId, std::string_view caption,
                                 std::string_view errorKey) const {
  std::string text;
  GetLangText(errorKey, text);
  messageBox(&dialog, text, caption, MB_ICONHAND);
  if (Window* control = dialog.child(controlId)) desktop().setFocus(control);
}

int TorvanMaskBase::CheckMandatory(Window& dialog, int controlId, std::string_view caption,
                                   std::string_view errorKey) const {
  if (!trimWhiteSpace(itemText(dialog, controlId, kTextBuffer)).empty()) return 1;
  ReportFault(dialog, controlId, caption, errorKey);
  return 0;
}

int TorvanMaskBase::CheckMinLength(Window& dialog, int controlId, std::string_view caption,
                                   std::string_view errorKey, int minLength) const {
  if (static_cast<int>(itemText(dialog, controlId, kTextBuffer).size()) >= minLength) return 1;
  ReportFault(dialog, controlId, caption, errorKey);
  return 0;
}

int TorvanMaskBase::CheckAlphanumericEx(Window& dialog, int controlId, std::string_view caption,
                                        std::string_view errorKey,
                                        std::string_view extraChars) const {
  if (CTorvanValidate().IsAlphanumericEx(itemText(dialog, controlId, kTextBuffer), extraChars)) {
    return 1;
  }
  ReportFault(dialog, controlId, caption, errorKey);
  return 0;
}

int TorvanMaskBase::CheckNumericEx(Window& dialog, int controlId, std::string_view caption,
                                   std::string_view errorKey, std::string_view extraChars) const {
  if (CTorvanValidate().IsNumericEx(itemText(dialog, controlId, kTextBuffer), extraChars)) {
    return 1;
  }
  ReportFault(dialog, controlId, caption, errorKey);
  return 0;
}

int TorvanMaskBase::IsFieldEmpty(Window& dialog, int controlId) const {
  return trimWhiteSpace(itemText(dialog, controlId, kTextBuffer)).empty() ? 1 : 0;
}

void TorvanMaskBase::SaveItemText(Window& dialog, int controlId, std::string_view key,
                                  CTorvanProfile& profile) const {
  profile.setKeyName(key);
  profile.setValue(itemText(dialog, controlId, kTextBuffer));
}

void TorvanMaskBase::ClearItemKey(std::string_view key, CTorvanProfile& profile) const {
  profile.setKeyName(key);
  profile.setValue("");
}

void TorvanMaskBase::RestoreComboSelection(Window& combo, std::string_view key,
                                           CTorvanProfile& profile) const {
  profile.setKeyName(key);
  std::string value;
  if (profile.getValue(value, "", kTextBuffer) == 0) {
    combo.setCurrentEntry(0);
    return;
  }
  const auto data = static_cast<std::intptr_t>(std::atol(value.c_str()));
  for (int index = 0; index < combo.entryCount(); ++index) {
    if (combo.entry(index)->data == data) combo.setCurrentEntry(index);
  }
}

bool TorvanMaskBase::ProcessWindowMessage(const Message& message, LRESULT& result) {
  switch (message.code) {
    case WM_SETTEXT: {
      // The mask window's text is the status line's: shown with a text, hidden without one.
      if (statusLine_ == nullptr) return false;
      const auto* text = reinterpret_cast<const char*>(message.lParam);
      if (text == nullptr) {
        statusLine_->show(SW_HIDE);
      } else {
        statusLine_->setText(text);
        statusLine_->show(SW_SHOW);
      }
      result = 1;
      return true;
    }
    case WM_CTLCOLORDLG:
      if (message.wParam == 0 || message.lParam == 0) return false;
      reinterpret_cast<DeviceContext*>(message.wParam)->backgroundColour = kMaskBackground;
      result = reinterpret_cast<LRESULT>(&backgroundBrush_);
      return true;
    case WM_CTLCOLORSTATIC: {
      // A request without a drawing context or without its control gets the default colours.
      const auto* control = reinterpret_cast<const Window*>(message.lParam);
      if (message.wParam == 0 || control == nullptr || control->id() != -1) return false;
      reinterpret_cast<DeviceContext*>(message.wParam)->backgroundColour = kMaskBackground;
      result = reinterpret_cast<LRESULT>(&backgroundBrush_);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace framework
