#pragma once
// A field's value control (an edit or a combo box). When it gains the focus it shows the
// field's tooltip in the mask's status line. F1 or a double click opens the field's picker,
// when it has one: the month calendar, or the code lookup of its table; the pick is written
// into the control. A double click never does more than that, in any field.

#include <optional>
#include <string>

#include "fields/WindowWrapper.h"

namespace fields {

class CFieldEdit : public WindowWrapper {
 public:
  CFieldEdit() = default;
  ~CFieldEdit() override;

  void Attach(platform::Window& dialog, platform::Window& control,
              std::optional<std::string> toolTip);
  int ControlId() const { return controlId_; }
  void SetCalendar(bool calendar) { calendar_ = calendar ? 1 : 0; }
  bool Calendar() const { return calendar_ != 0; }
  void SetLookupTable(std::optional<std::string> name) { lookupTable_ = std::move(name); }
  const std::optional<std::string>& LookupTable() const { return lookupTable_; }
  // The tooltip shown while the control has the focus (none when absent).
  void SetToolTip(std::optional<std::string> toolTip) { toolTipText_ = std::move(toolTip); }

 protected:
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) override;

 private:
  platform::WindowRef dialog_;
  int controlId_ = 0;
  std::optional<std::string> toolTipText_;
  std::optional<std::string> lookupTable_;
  int calendar_ = 0;

  void OpenPicker();
};

}  // namespace fields
