#pragma once
// The masks that guard their whiteboard section with the marker: Send validates, saves the
// state with the marker, builds the command and fires it; Recall restores the state only when
// the marker says a Send has saved it.
//
// Besides its traits, the mask class T provides:
//   void BindFields(platform::Window& dialog);    creates its fields on the dialog's controls
//   bool ValidateFields();                        its checks in order, stopping at the first fault
//   std::string BuildCommand();                   the host command
//   auto SavedFields();                           the fields with their keys, in saving order
//   void ClearFields();                           empties its fields in its own order
// and may provide ProcessFieldMessages to pass dialog messages on to fields that own a combo
// box or a check box.

#include <string>

#include "framework/MaskControl.h"
#include "framework/MaskState.h"

namespace framework {

template <class T, class Interface>
class MarkerStyleMask : public MaskControl<T, Interface> {
 public:
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) {
    using namespace platform;
    switch (message.code) {
      case WM_INITDIALOG:
        OnInitDialog();
        result = 1;
        return true;
      case WM_COMMAND:
        if (runButton(lowWord(message.wParam))) return true;
        break;
      case WM_KEYDOWN:
        if (message.wParam == VK_RETURN) {
          OnSend();
          return true;
        }
        break;
      case WM_SYSKEYDOWN:
        if (message.wParam == VK_UP) {
          OnRecall();
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

  void OnInitDialog() {
    platform::Window& dialog = *this->dialog();
    this->mask().LoadLanguage();
    self().BindFields(dialog);
    this->mask().SetButtonCaptions(dialog, T::kTraits.buttons);
    this->mask().PrepareDialog(dialog);
  }

  void OnSend() {
    if (!self().ValidateFields()) return;
    SaveState();
    const std::string command = self().BuildCommand();
    this->fireEvent(typelib::Event::Send, {command});
  }

  void OnRecall() { RestoreState(); }
  void OnClear() { self().ClearFields(); }
  void OnCancel() { this->fireEvent(typelib::Event::Cancel); }
  void OnHelp() { this->mask().ShowHelp("C" + std::string(T::kTraits.name)); }

  void SaveState() {
    CTorvanProfile profile;
    openWhiteboardSection(profile, T::kTraits.section);
    CTorvanProfile::Batch together(profile);
    writeMarker(profile);
    for (const auto& saved : self().SavedFields()) saved.field->Save(profile, saved.key);
  }

  void RestoreState() {
    CTorvanProfile profile;
    openWhiteboardSection(profile, T::kTraits.section);
    CTorvanProfile::Batch snapshot(profile);
    if (!holdsSavedState(profile)) return;
    for (const auto& saved : self().SavedFields()) saved.field->Load(profile, saved.key);
  }

 private:
  T& self() { return *static_cast<T*>(this); }

  bool runButton(int id) {
    const ButtonIds& buttons = T::kTraits.buttons;
    if (id == buttons.send) {
      OnSend();
    } else if (id == buttons.recall) {
      OnRecall();
    } else if (id == buttons.clear) {
      OnClear();
    } else if (id == buttons.cancel) {
      OnCancel();
    } else if (id == buttons.help) {
      OnHelp();
    } else {
      return false;
    }
    return true;
  }
};

}  // namespace framework
