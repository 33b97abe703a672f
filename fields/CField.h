#pragma once
// The base of every single-value field: it binds the label and the value control that the
// mask's dialog already holds, labels them from the language table, reports faults in a
// message box with the cursor on the control, and keeps the value on the whiteboard.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "fields/CFieldEdit.h"
#include "fields/CFieldLabel.h"
#include "fields/CLinkLabel.h"
#include "framework/services/CTorvanProfile.h"
#include "platform/window/Window.h"

namespace fields {

// The modification flag the masks pass: the field belongs to a modification mask.
inline constexpr int kModification = -1;
inline constexpr int kCreation = 0;

// Plain label colours: red for a mandatory field, nearly black otherwise.
inline constexpr platform::COLORREF kMandatoryColour = platform::RGB(255, 0, 0);
inline constexpr platform::COLORREF kOptionalColour = platform::RGB(0, 0, 1);

// Sizes of the buffers field texts are read into.
inline constexpr std::size_t kSaveBuffer = 1025;    // 1024 characters
inline constexpr std::size_t kLoadBuffer = 1024;    // 1023 characters
inline constexpr std::size_t kFieldBuffer = 1024;   // 1023 characters
inline constexpr std::size_t kShortBuffer = 101;    // 100 characters
inline constexpr std::size_t kNumberBuffer = 1001;  // 1000 characters

// What a field's label is (SetLabelMode): plain, a link that opens the calendar, or a link
// that opens a code lookup.
enum LabelMode : int { kPlainLabel = 0, kCalendarLink = 1, kLookupLink = 2 };

class CField {
 public:
  CField() = default;
  virtual ~CField() = default;
  CField(const CField&) = delete;
  CField& operator=(const CField&) = delete;

  // Slot 0: messages of the dialog that the mask passes on; the base takes none.
  virtual bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

  int Create(platform::Window& dialog, int labelId, int editId, int mandatory, int maxLength,
             std::string_view labKey, std::string_view tipKey, int modification);

  void ReportError(std::string_view errorKey);
  // ReportError, then the character at index selected.
  void ReportErrorAt(std::string_view errorKey, std::size_t index);
  int CheckRequired(std::string_view errorKey);
  // For validators that accept an empty optional field: with an empty text, the outcome (1
  // when the field is optional, else 0 after reporting noneKey); nothing when there is text to
  // check further.
  std::optional<int> CheckEmpty(std::string_view text, std::string_view noneKey);

  void Save(CTorvanProfile& profile, std::string_view key) const;
  void Load(CTorvanProfile& profile, std::string_view key);
  void Clear();
  void SetText(std::string_view text);
  // At most bufferSize - 1 characters of the text.
  std::string GetText(std::size_t bufferSize = kFieldBuffer) const;
  void SetFocus();
  void SelectAll();
  void Enable(int flag);
  int ShowLabel(int command);
  void ShowEdit(int command);
  void Show(int command);
  int SetMandatory(int flag);
  // 0 plain label, 1 a link that opens the calendar, 2 a link that opens the code lookup of
  // the table lookupName; the value control opens the same picker on F1 and a double click.
  // 0 for a mode outside 0 to 2, which changes nothing.
  int SetLabelMode(int mode, std::string_view lookupName = {});
  int LabelMode() const { return labelMode_; }

  int IsMandatory() const { return mandatory_; }
  int IsModification() const { return modification_; }
  platform::Window* Dialog() const { return dialog_; }
  platform::Window* EditWindow() const { return edit_.window(); }
  // The label control, whichever wrapper holds it.
  platform::Window* LabelWindow() const {
    return labelMode_ != 0 ? linkLabel_.window() : label_.window();
  }

 private:
  platform::Window* dialog_ = nullptr;
  int labelMode_ = 0;
  CLinkLabel linkLabel_;
  CFieldLabel label_;
  CFieldEdit edit_;
  int mandatory_ = 0;
  int hasLabel_ = 0;
  int modification_ = 0;
};

}  // namespace fields
