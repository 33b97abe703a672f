#pragma once
// The code lookup picker: a modal dialog hosting the code lookup control, which is given the
// code table's name. The control's event 2 brings the chosen description and code, event 3 a
// status text for the log, event 4 closes it without a choice.

#include <string>
#include <string_view>

#include "fields/PickerDialog.h"

namespace fields {

class CCoderDialog final : public PickerDialog {
 public:
  CCoderDialog();

  // Opens the lookup of the table owned by owner; the chosen code (empty when none).
  std::string Run(platform::Window* owner, std::string_view tableName);
  const std::string& Code() const { return code_; }
  const std::string& Description() const { return description_; }

 private:
  void OnOpen(IDispatch& control) override;
  void OnControlEvent(DISPID event, const std::vector<std::string>& arguments,
                      IDispatch& control) override;

  std::string tableName_;
  std::string code_;
  std::string description_;
};

}  // namespace fields
