#pragma once
// What every mask shares: its name and language, its log, the hidden status line, the
// background colour and brushes, the captions of the standard buttons, the language table's
// load and unload, help, and the small check-and-report operations the masks validate with.
// TorvanMaskT<T> adds what each mask class holds once for all its instances: the
// code-lookup table.

#include <memory>
#include <string>
#include <string_view>

#include "framework/CodeLookupTable.h"
#include "framework/MaskTraits.h"
#include "framework/StatusLinePainter.h"
#include "framework/services/CTorvanLog.h"
#include "framework/services/CTorvanProfile.h"
#include "platform/window/Graphics.h"
#include "platform/window/Window.h"

namespace framework {

using resources::kStatusLineId;
inline constexpr platform::COLORREF kMaskBackground = platform::RGB(155, 204, 255);

class TorvanMaskBase {
 public:
  explicit TorvanMaskBase(std::string_view maskName);
  ~TorvanMaskBase();
  TorvanMaskBase(const TorvanMaskBase&) = delete;
  TorvanMaskBase& operator=(const TorvanMaskBase&) = delete;

  const std::string& maskName() const { return maskName_; }
  const std::string& languageCode() const { return languageCode_; }
  void setLanguageCode(std::string_view code) { languageCode_ = code; }
  CTorvanLog& log() { return *log_; }

  // Reads the user's language from the whiteboard and loads its table.
  void LoadLanguage();
  // The language text of key; on failure the key itself, and false.
  bool GetLangText(std::string_view key, std::string& text) const;
  // Sets the control's caption from the table; a missing key leaves the template's caption.
  void SetCaption(platform::Window& dialog, int controlId, std::string_view key) const;
  // The captions of the five standard buttons, in the order Clear, Cancel, Help, Recall, Send.
  void SetButtonCaptions(platform::Window& dialog, const ButtonIds& buttons) const;
  // Finds and hides the status line, has it painted, and sets the background colour.
  void PrepareDialog(platform::Window& dialog);
  void ShowHelp(std::string_view className) const;

  // Checks that report their fault with a message box and return 0; 1 when the check passes.
  int CheckMandatory(platform::Window& dialog, int controlId, std::string_view caption,
                     std::string_view errorKey) const;
  int CheckMinLength(platform::Window& dialog, int controlId, std::string_view caption,
                     std::string_view errorKey, int minLength) const;
  int CheckAlphanumericEx(platform::Window& dialog, int controlId, std::string_view caption,
                          std::string_view errorKey, std::string_view extraChars) const;
  int CheckNumericEx(platform::Window& dialog, int controlId, std::string_view caption,
                     std::string_view errorKey, std::string_view extraChars) const;
  // 1 when the control's trimmed text is empty; reports nothing.
  int IsFieldEmpty(platform::Window& dialog, int controlId) const;
  // The message box of a fault with the language text of errorKey, then the focus on the
  // control: what every failing check does.
  void ReportFault(platform::Window& dialog, int controlId, std::string_view caption,
                   std::string_view errorKey) const;

  // Whiteboard operations over a profile already set to the mask's section.
  void SaveItemText(platform::Window& dialog, int controlId, std::string_view key,
                    CTorvanProfile& profile) const;
  void ClearItemKey(std::string_view key, CTorvanProfile& profile) const;
  void RestoreComboSelection(platform::Window& combo, std::string_view key,
                             CTorvanProfile& profile) const;

  // The mask window's own messages that the template answers: the status line takes the
  // window's text, and the dialog and its plain labels are painted in the background colour.
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

 private:
  platform::Window* statusLine_ = nullptr;
  std::string maskName_;
  std::string languageCode_;
  std::unique_ptr<CTorvanLog> log_;
  StatusLinePainter statusLinePainter_;
  platform::COLORREF backgroundColour_ = 0;
  std::unique_ptr<platform::Brush> dialogBrush_;
  platform::Brush backgroundBrush_;
  bool languageLoaded_ = false;
};

template <class T>
class TorvanMaskT : public TorvanMaskBase {
 public:
  explicit TorvanMaskT(std::string_view maskName) : TorvanMaskBase(maskName) {
    codeLookupTable().read();
  }

  // One table per mask class; every construction reads it again.
  static CodeLookupTable& codeLookupTable() {
    static CodeLookupTable table;
    return table;
  }
};

}  // namespace framework
