#pragma once
// Pieces the multi-control fields share with CField: labelling a static from the language
// table, reporting a fault on any of a field's controls, and the type combo boxes whose
// selection switches a field's other controls.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fields/CFieldLabel.h"
#include "framework/services/CTorvanProfile.h"
#include "platform/window/Window.h"

namespace fields {

// The language text of a key, or nothing when the table has none.
std::optional<std::string> languageText(std::string_view key);

// Attaches label to the dialog's control labelId with the tooltip of tipKey, in the field
// font and the colour of the mandatory flag, and gives it the text of labKey (a key without
// text leaves the template's text). Returns the control, or null when the dialog has none.
platform::Window* bindLabel(CFieldLabel& label, platform::Window& dialog, int labelId,
                            std::string_view labKey, std::string_view tipKey, int mandatory);
// Recolours a bound label for the mandatory flag.
void colourLabel(CFieldLabel& label, int mandatory);

// The message box of a field's fault, captioned by the modification flag, then the focus on
// control (when there is one).
void reportFault(platform::Window* dialog, int modification, std::string_view errorKey,
                 platform::Window* control);

// A type combo box: an empty entry " " first when the type is optional, then the type names;
// each entry's item data is its index. The type code is the selected index, plus 1 when the
// type is mandatory, so that code 0 always means "no type".
class TypeCombo {
 public:
  void Create(platform::Window& dialog, int comboId, int mandatory,
              std::span<const std::string_view> names);
  platform::Window* window() const { return combo_; }
  int id() const { return comboId_; }
  // The code of the selected entry; nothing when no entry is selected.
  std::optional<int> Code() const;
  void SelectFirst();
  // The selected entry's item data in decimal ("-1" when none is selected).
  void Save(CTorvanProfile& profile, std::string_view key) const;
  // Selects the entry whose item data is the stored number; the first entry when the key is
  // absent or names no entry.
  void Load(CTorvanProfile& profile, std::string_view key);
  // True for the combo's selection-accepted notification.
  bool IsSelectionAccepted(const platform::Message& message) const;

 private:
  platform::Window* combo_ = nullptr;
  int comboId_ = 0;
  int mandatory_ = 0;
};

// Selects the entry whose item data is the number stored under key; nothing when the key is
// absent. Returns whether an entry was selected.
bool selectStoredEntry(platform::Window* combo, CTorvanProfile& profile, std::string_view key);
// Writes the selected entry's item data in decimal, "-1" when none is selected.
void saveSelectedEntry(const platform::Window* combo, CTorvanProfile& profile,
                       std::string_view key);

}  // namespace fields
