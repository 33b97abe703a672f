#pragma once
// The masks with the five standard buttons (Send, Recall, Clear, Cancel, Help), Enter as Send
// and Alt+Up as Recall. Two send styles exist:
//   marker style: validate, save the state with the marker, build, fire Send; Recall restores
//                 only when the marker says a Send has saved;
//   logged style: validate, build, fire Send, write "Host Command %s" to the log, save the
//                 state without marker; Recall clears first and restores whatever is saved.
//                 These masks also log a change of language and end their dialog
//                 initialisation with their Clear.
//
// The mask class T declares its fields once, in its constructor, through fields().declare(...)
// (see FieldTable): the template binds them when the dialog opens, and saves, loads and clears
// them in their order of declaration. Besides its traits, T provides:
//   bool ValidateFields();                        its checks in order, stopping at the first fault
//   std::string BuildCommand();                   the host command
// and may replace or add to the defaults:
//   void OnSend(), OnRecall(), OnClear(), ...     the buttons' and keys' actions, reached
//                                                 through T (a mask whose Send runs in two
//                                                 halves provides its own OnSend and needs no
//                                                 BuildCommand)
//   void BindFields(platform::Window& dialog);    after the declared fields are bound: lists
//   void ClearFields();                           empties the declared fields
//   void SaveFields(profile), LoadFields(profile) the declared fields' whiteboard values
//   bool ProcessFieldMessages(message, result);   dialog messages for fields that own a combo
//                                                 box or a check box
//   void AfterInitDialog();                       the end of the dialog initialisation
//   void ApplyRules();                            the enable rules that follow the fields'
//                                                 values: run after the declared fields are
//                                                 loaded and after they are cleared
//
// The dialog-access helpers (Text, IsChecked, SetChecked, EnableControl, IsBlank, Fault) reach
// the mask's controls by id; a control the dialog lacks reads as empty and unchecked.

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/FieldTable.h"
#include "framework/MaskControl.h"
#include "framework/MaskState.h"
#include "framework/WindowText.h"
#include "platform/text/TextRules.h"

namespace framework {

template <class T, class Interface>
class StandardMask : public MaskControl<T, Interface> {
 public:
  static constexpr bool kLogged = T::kTraits.style == SendStyle::Logged;

  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) {
    using namespace platform;
    switch (message.code) {
      case WM_INITDIALOG:
        OnInitDialog();
        result = 1;
        return true;
      case WM_COMMAND:
        // Buttons act whatever the notification code.
        if (runButton(lowWord(message.wParam))) return true;
        break;
      case WM_KEYDOWN:
        if (message.wParam == VK_RETURN) {
          self().OnSend();
          return true;
        }
        break;
      case WM_SYSKEYDOWN:
        if (message.wParam == VK_UP) {
          self().OnRecall();
          return true;
        }
        break;
      default:
        break;
    }
    return this->mask().ProcessWindowMessage(message, result) ||
           self().ProcessFieldMessages(message, result);
  }

  bool ProcessFieldMessages(const platform::Message&, platform::LRESULT&) { return false; }
  void BindFields(platform::Window&) {}
  void AfterInitDialog() {}
  void ApplyRules() {}
  void ClearFields() {
    fields_.Clear();
    self().ApplyRules();
  }
  void SaveFields(CTorvanProfile& profile) { fields_.Save(profile); }
  void LoadFields(CTorvanProfile& profile) {
    fields_.Load(profile);
    self().ApplyRules();
  }

  void OnInitDialog() {
    platform::Window& dialog = *this->dialog();
    this->mask().LoadLanguage();
    fields_.Bind(dialog);
    self().BindFields(dialog);
    this->mask().SetButtonCaptions(dialog, T::kTraits.buttons);
    this->mask().PrepareDialog(dialog);
    if constexpr (kLogged) self().OnClear();
    self().AfterInitDialog();
  }

  void OnSend() {
    if (!self().ValidateFields()) return;
    if constexpr (!kLogged) SaveState();
    const std::string command = self().BuildCommand();
    this->fireEvent(typelib::Event::Send, {command});
    if constexpr (kLogged) {
      this->mask().log().diagnostic(T::kTraits.name, "OnSend", 0, 100, __LINE__, "Host Command %s",
                                    command.c_str());
      SaveState();
    }
  }

  void OnRecall() { RestoreState(); }
  void OnClear() { self().ClearFields(); }
  void OnCancel() { this->fireEvent(typelib::Event::Cancel); }
  void OnHelp() { this->mask().ShowHelp("C" + std::string(T::kTraits.name)); }

  void OnLanguageChanged() {
    if constexpr (kLogged) {
      this->mask().log().diagnostic(T::kTraits.name, "put_Lang", 30, 100, __LINE__, "Lang %s",
                                    this->mask().languageCode().c_str());
    }
  }

  void SaveState() {
    CTorvanProfile profile;
    openWhiteboardSection(profile, T::kTraits.section);
    CTorvanProfile::Batch together(profile);
    if constexpr (!kLogged) writeMarker(profile);
    self().SaveFields(profile);
  }

  void RestoreState() {
    if constexpr (kLogged) self().OnClear();
    CTorvanProfile profile;
    openWhiteboardSection(profile, T::kTraits.section);
    CTorvanProfile::Batch snapshot(profile);
    if constexpr (!kLogged) {
      if (!holdsSavedState(profile)) return;
    }
    self().LoadFields(profile);
  }

 protected:
  FieldTable& fields() { return fields_; }
  T& self() { return *static_cast<T*>(this); }

  // The control's text, at most 1023 characters.
  std::string Text(int controlId) const {
    const platform::Window* dialog = this->dialog();
    return dialog != nullptr ? itemText(*dialog, controlId, kControlTextBuffer) : std::string();
  }
  // True when the control's text is empty after trimming blanks at both ends.
  bool IsBlank(int controlId) const { return platform::trimWhiteSpace(Text(controlId)).empty(); }
  bool IsChecked(int controlId) const {
    const platform::Window* control = this->control(controlId);
    return control != nullptr && control->checkState() == 1;
  }
  void SetChecked(int controlId, bool checked) {
    if (platform::Window* control = this->control(controlId))
      control->setCheckState(checked ? 1 : 0);
  }
  void EnableControl(int controlId, bool enabled) {
    if (platform::Window* control = this->control(controlId)) control->enable(enabled);
  }
  // The message box of the fault in the mask's caption, then the focus on the control; false,
  // so that a check reads "if bad: return Fault(...)".
  bool Fault(int controlId, std::string_view errorKey) {
    if (platform::Window* dialog = this->dialog()) {
      this->mask().ReportFault(*dialog, controlId, T::kTraits.caption, errorKey);
    }
    return false;
  }
  // Fault, then the character at index of the control's text selected.
  bool FaultAt(int controlId, std::string_view errorKey, std::size_t index) {
    Fault(controlId, errorKey);
    if (platform::Window* control = this->control(controlId)) {
      const int start = static_cast<int>(index);
      control->setSelection(start, start + 1);
    }
    return false;
  }

 private:
  static constexpr std::size_t kControlTextBuffer = 1024;

  FieldTable fields_;

  platform::Window* control(int controlId) const {
    platform::Window* dialog = this->dialog();
    return dialog != nullptr ? dialog->child(controlId) : nullptr;
  }

  bool runButton(int id) {
    const ButtonIds& buttons = T::kTraits.buttons;
    if (id == buttons.send) {
      self().OnSend();
    } else if (id == buttons.recall) {
      self().OnRecall();
    } else if (id == buttons.clear) {
      self().OnClear();
    } else if (id == buttons.cancel) {
      self().OnCancel();
    } else if (id == buttons.help) {
      self().OnHelp();
    } else {
      return false;
    }
    return true;
  }
};

}  // namespace framework
