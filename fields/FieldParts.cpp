#include "fields/FieldParts.h"

#include "fields/CField.h"
#include "fields/ScanNumber.h"
#include "framework/MaskTraits.h"
#include "framework/TorvanMaskT.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/Desktop.h"

namespace fields {

using namespace platform;

std::optional<std::string> languageText(std::string_view key) {
  std::string text;
  if (!LANG_getString(key, text, 1024)) return std::nullopt;
  return text;
}

Window* bindLabel(CFieldLabel& label, Window& dialog, int labelId, std::string_view labKey,
                  std::string_view tipKey, int mandatory) {
  Window* control = dialog.child(labelId);
  if (control == nullptr) return nullptr;
  label.Attach(*control, languageText(tipKey));
  label.ApplyFont();
  colourLabel(label, mandatory);
  if (std::optional<std::string> text = languageText(labKey)) control->setText(*text);
  return control;
}

void colourLabel(CFieldLabel& label, int mandatory) {
  label.SetTextColour(mandatory != 0 ? kMandatoryColour : kOptionalColour);
  label.SetBackgroundColour(framework::kMaskBackground);
}

void reportFault(Window* dialog, int modification, std::string_view errorKey, Window* control) {
  std::string text;
  LANG_getStringEx(errorKey, text, 1000);
  messageBox(dialog, text,
             modification != 0 ? framework::kModificationCaption : framework::kCreationCaption,
             MB_ICONHAND);
  if (control != nullptr) desktop().setFocus(control);
}

void TypeCombo::Create(Window& dialog, int comboId, int mandatory,
                       std::span<const std::string_view> names) {
  comboId_ = comboId;
  mandatory_ = mandatory;
  combo_ = dialog.child(comboId);
  if (combo_ == nullptr) return;
  if (mandatory == 0) combo_->addEntry(" ", combo_->entryCount());
  for (std::string_view name : names) combo_->addEntry(std::string(name), combo_->entryCount());
  SelectFirst();
}

std::optional<int> TypeCombo::Code() const {
  if (combo_ == nullptr || combo_->currentEntry() < 0) return std::nullopt;
  return combo_->currentEntry() + (mandatory_ != 0 ? 1 : 0);
}

void TypeCombo::SelectFirst() {
  if (combo_ != nullptr) combo_->setCurrentEntry(0);
}

void TypeCombo::Save(CTorvanProfile& profile, std::string_view key) const {
  saveSelectedEntry(combo_, profile, key);
}

void TypeCombo::Load(CTorvanProfile& profile, std::string_view key) {
  if (!selectStoredEntry(combo_, profile, key)) SelectFirst();
}

bool TypeCombo::IsSelectionAccepted(const Message& message) const {
  return combo_ != nullptr && message.code == WM_COMMAND && lowWord(message.wParam) == comboId_ &&
         highWord(message.wParam) == CBN_SELENDOK;
}

bool selectStoredEntry(Window* combo, CTorvanProfile& profile, std::string_view key) {
  if (combo == nullptr) return false;
  profile.setKeyName(key);
  std::string stored;
  if (profile.getValue(stored, "", kLoadBuffer) == 0) return false;
  const auto number = scanNumber(stored);
  if (!number) return false;
  for (int index = 0; index < combo->entryCount(); ++index) {
    if (combo->entry(index)->data == number->value) {
      combo->setCurrentEntry(index);
      return true;
    }
  }
  return false;
}

void saveSelectedEntry(const Window* combo, CTorvanProfile& profile, std::string_view key) {
  const ListEntry* selected = combo != nullptr ? combo->entry(combo->currentEntry()) : nullptr;
  profile.setKeyName(key);
  profile.setValue(std::to_string(selected != nullptr ? selected->data : -1));
}

}  // namespace fields
