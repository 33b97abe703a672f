#include "fields/CField.h"

#include <optional>

#include "fields/FieldParts.h"
#include "framework/MaskTraits.h"
#include "framework/TorvanMaskT.h"
#include "framework/WindowText.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/Desktop.h"

namespace fields {

using namespace platform;

bool CField::ProcessWindowMessage(const Message&, LRESULT&) {
  return false;
}

int CField::Create(Window& dialog, int labelId, int editId, int mandatory, int maxLength,
                   std::string_view labKey, std::string_view tipKey, int modification) {
  dialog_ = &dialog;
  labelMode_ = 0;
  mandatory_ = mandatory;
  const std::optional<std::string> toolTip = languageText(tipKey);
  hasLabel_ = labelId != -1 ? 1 : 0;
  if (hasLabel_ != 0) {
    linkLabel_.PrepareLink(editId, mandatory, labKey, tipKey);
    if (Window* labelControl = dialog.child(labelId)) {
      label_.Attach(*labelControl, toolTip);
      label_.ApplyFont();
      label_.SetTextColour(mandatory == 1 ? kMandatoryColour : kOptionalColour);
      label_.SetBackgroundColour(framework::kMaskBackground);
      if (std::optional<std::string> labelText = languageText(labKey)) {
        labelControl->setText(*labelText);
      }
    }
  }
  if (Window* editControl = dialog.child(editId)) {
    edit_.Attach(dialog, *editControl, toolTip);
    editControl->setTextLimit(maxLength);
  }
  modification_ = modification;
  return 1;
}

void CField::ReportError(std::string_view errorKey) {
  std::string text;
  LANG_getStringEx(errorKey, text, 1000);
  messageBox(dialog_, text,
             modification_ != 0 ? framework::kModificationCaption : framework::kCreationCaption,
             MB_ICONHAND);
  SetFocus();
}

void CField::ReportErrorAt(std::string_view errorKey, std::size_t index) {
  ReportError(errorKey);
  if (Window* control = edit_.window()) {
    const int start = static_cast<int>(index);
    control->setSelection(start, start + 1);
  }
}

int CField::CheckRequired(std::string_view errorKey) {
  if (!GetText(kShortBuffer).empty() || mandatory_ == 0) return 1;
  ReportError(errorKey);
  return 0;
}

std::optional<int> CField::CheckEmpty(std::string_view text, std::string_view noneKey) {
  if (!text.empty()) return std::nullopt;
  if (mandatory_ == 0) return 1;
  ReportError(noneKey);
  return 0;
}

void CField::Save(CTorvanProfile& profile, std::string_view key) const {
  profile.setKeyName(key);
  profile.setValue(GetText(kSaveBuffer));
}

void CField::Load(CTorvanProfile& profile, std::string_view key) {
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "", kLoadBuffer);
  SetText(value);
}

void CField::Clear() {
  SetText("");
}

void CField::SetText(std::string_view text) {
  if (Window* control = edit_.window()) control->setText(text);
}

std::string CField::GetText(std::size_t bufferSize) const {
  return framework::windowText(edit_.window(), bufferSize);
}

void CField::SetFocus() {
  if (Window* control = edit_.window()) desktop().setFocus(control);
}

void CField::SelectAll() {
  if (Window* control = edit_.window()) control->setSelection(0, -1);
}

void CField::Enable(int flag) {
  if (hasLabel_ == 1 && labelMode_ == 0) {
    if (Window* labelControl = label_.window()) labelControl->enable(flag != 0);
  }
  if (Window* control = edit_.window()) control->enable(flag != 0);
}

int CField::ShowLabel(int command) {
  if (hasLabel_ == 0) return 0;
  Window* labelControl = LabelWindow();
  if (labelControl == nullptr) return 0;
  const int wasVisible = labelControl->isVisible() ? 1 : 0;
  labelControl->show(command);
  return wasVisible;
}

void CField::ShowEdit(int command) {
  if (Window* control = edit_.window()) control->show(command);
}

void CField::Show(int command) {
  ShowLabel(command);
  ShowEdit(command);
}

int CField::SetMandatory(int flag) {
  if (hasLabel_ == 0) return 0;
  mandatory_ = flag;
  if (labelMode_ != 0) {
    linkLabel_.SetColours(flag == 1 ? kLinkMandatoryColour : kLinkColour, kLinkHoverColour);
    return 1;
  }
  label_.SetTextColour(flag != 0 ? kMandatoryColour : kOptionalColour);
  label_.SetBackgroundColour(framework::kMaskBackground);
  return 1;
}

int CField::SetLabelMode(int mode, std::string_view lookupName) {
  if (mode < 0 || mode > 2) return 0;
  Window* labelControl = labelMode_ != 0 ? linkLabel_.Detach() : label_.Detach();
  labelMode_ = mode;
  edit_.SetCalendar(mode == 1);
  edit_.SetLookupTable(mode == 2 ? std::optional<std::string>(lookupName) : std::nullopt);
  if (mode == 0) {
    if (labelControl != nullptr) {
      label_.Attach(*labelControl, label_.ToolTipText());
      label_.ApplyFont();
    }
    // The plain colours follow the flag as it is now, also when it changed in link mode.
    SetMandatory(mandatory_);
    return 1;
  }
  linkLabel_.SetCalendar(mode == 1);
  if (mode == 2) {
    linkLabel_.SetLookupTable(lookupName);
  } else {
    linkLabel_.ClearLookupTable();
  }
  if (labelControl != nullptr) {
    linkLabel_.Attach(*labelControl);
    linkLabel_.Initialise();
  }
  SetMandatory(mandatory_);
  return 1;
}

}  // namespace fields
