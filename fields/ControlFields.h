#pragma once
// Fields of one control that the mask itself drives: a check box, a list whose selection is
// kept, and a plain edit. They take no label and no tooltip of their own; they give the
// field table what it needs to bind, save, load and clear the control by its declaration.
// A control the dialog lacks reads as unchecked, unselected or empty and ignores changes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/services/CTorvanProfile.h"
#include "platform/window/Window.h"

namespace fields {

// A check box (or a radio button) kept as "1" when checked and "0" otherwise; loading checks
// it only for "1". Clear gives it its cleared state, unchecked unless declared otherwise.
class CFieldCheck {
 public:
  void Create(platform::Window& dialog, int checkBoxId, bool checkedWhenCleared = false);

  bool IsChecked() const;
  void SetChecked(bool checked);
  bool IsEnabled() const;
  void Enable(bool enabled);
  platform::Window* window() const { return checkBox_; }

  void Save(CTorvanProfile& profile, std::string_view key) const;
  void Load(CTorvanProfile& profile, std::string_view key);
  void Clear();

 private:
  platform::Window* checkBox_ = nullptr;
  bool checkedWhenCleared_ = false;
};

// A combo box or list whose selection is kept as the selected entry's item data in decimal
// ("-1" when no entry is selected). Loading selects the entry with the stored item data: the
// first entry when the key is absent, the selection unchanged when no entry has it. Clear
// selects the first entry.
class CFieldList {
 public:
  void Create(platform::Window& dialog, int listId);

  // The selected entry's item data; nothing when no entry is selected.
  std::optional<std::intptr_t> Selected() const;
  // Selects the entry with the item data; false, and the selection unchanged, when none has it.
  bool Select(std::intptr_t data);
  bool IsEnabled() const;
  platform::Window* window() const { return list_; }

  void Save(CTorvanProfile& profile, std::string_view key) const;
  void Load(CTorvanProfile& profile, std::string_view key);
  void Clear();

 private:
  platform::Window* list_ = nullptr;
};

// An edit whose text is kept as it is (at most 1024 characters saved, 1023 loaded), without
// the label, tooltip and focus handling of CField.
class CFieldText {
 public:
  void Create(platform::Window& dialog, int editId);

  std::string GetText() const;
  void SetText(std::string_view text);
  bool IsEnabled() const;
  void Enable(bool enabled);
  platform::Window* window() const { return edit_; }

  void Save(CTorvanProfile& profile, std::string_view key) const;
  void Load(CTorvanProfile& profile, std::string_view key);
  void Clear();

 private:
  platform::Window* edit_ = nullptr;
};

}  // namespace fields
