#include "fields/ControlFields.h"

#include <cstdlib>

#include "fields/CField.h"
#include "fields/FieldParts.h"
#include "framework/WindowText.h"

namespace fields {

using namespace platform;

namespace {

std::string storedValue(CTorvanProfile& profile, std::string_view key, bool* stored = nullptr) {
  profile.setKeyName(key);
  std::string value;
  const int found = profile.getValue(value, "", kLoadBuffer);
  if (stored != nullptr) *stored = found != 0;
  return value;
}

}  // namespace

void CFieldCheck::Create(Window& dialog, int checkBoxId, bool checkedWhenCleared) {
  checkBox_ = dialog.child(checkBoxId);
  checkedWhenCleared_ = checkedWhenCleared;
}

bool CFieldCheck::IsChecked() const {
  return checkBox_ != nullptr && checkBox_->checkState() == 1;
}

void CFieldCheck::SetChecked(bool checked) {
  if (checkBox_ != nullptr) checkBox_->setCheckState(checked ? 1 : 0);
}

bool CFieldCheck::IsEnabled() const {
  return checkBox_ != nullptr && checkBox_->isEnabled();
}

void CFieldCheck::Enable(bool enabled) {
  if (checkBox_ != nullptr) checkBox_->enable(enabled);
}

void CFieldCheck::Save(CTorvanProfile& profile, std::string_view key) const {
  profile.setKeyName(key);
  profile.setValue(IsChecked() ? "1" : "0");
}

void CFieldCheck::Load(CTorvanProfile& profile, std::string_view key) {
  SetChecked(storedValue(profile, key) == "1");
}

void CFieldCheck::Clear() {
  SetChecked(checkedWhenCleared_);
}

void CFieldList::Create(Window& dialog, int listId) {
  list_ = dialog.child(listId);
}

std::optional<std::intptr_t> CFieldList::Selected() const {
  const ListEntry* selected = list_ != nullptr ? list_->entry(list_->currentEntry()) : nullptr;
  if (selected == nullptr) return std::nullopt;
  return selected->data;
}

bool CFieldList::Select(std::intptr_t data) {
  if (list_ == nullptr) return false;
  for (int index = 0; index < list_->entryCount(); ++index) {
    if (list_->entry(index)->data != data) continue;
    list_->setCurrentEntry(index);
    return true;
  }
  return false;
}

bool CFieldList::IsEnabled() const {
  return list_ != nullptr && list_->isEnabled();
}

void CFieldList::Save(CTorvanProfile& profile, std::string_view key) const {
  saveSelectedEntry(list_, profile, key);
}

// As the template restores a list: the leading number of the stored text names the entry.
void CFieldList::Load(CTorvanProfile& profile, std::string_view key) {
  if (list_ == nullptr) return;
  bool stored = false;
  const std::string value = storedValue(profile, key, &stored);
  if (!stored) {
    list_->setCurrentEntry(0);
    return;
  }
  Select(static_cast<std::intptr_t>(std::atol(value.c_str())));
}

void CFieldList::Clear() {
  if (list_ != nullptr) list_->setCurrentEntry(0);
}

void CFieldText::Create(Window& dialog, int editId) {
  edit_ = dialog.child(editId);
}

std::string CFieldText::GetText() const {
  return framework::windowText(edit_, kSaveBuffer);
}

void CFieldText::SetText(std::string_view text) {
  if (edit_ != nullptr) edit_->setText(text);
}

bool CFieldText::IsEnabled() const {
  return edit_ != nullptr && edit_->isEnabled();
}

void CFieldText::Enable(bool enabled) {
  if (edit_ != nullptr) edit_->enable(enabled);
}

void CFieldText::Save(CTorvanProfile& profile, std::string_view key) const {
  profile.setKeyName(key);
  profile.setValue(GetText());
}

void CFieldText::Load(CTorvanProfile& profile, std::string_view key) {
  SetText(storedValue(profile, key));
}

void CFieldText::Clear() {
  SetText("");
}

}  // namespace fields
