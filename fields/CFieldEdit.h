#pragma once
// A field's value control (an edit or a combo box). When it gains the focus it shows the
// field's tooltip in the mask's status line.

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
  // The tooltip shown while the control has the focus (none when absent).
  void SetToolTip(std::optional<std::string> toolTip) { toolTipText_ = std::move(toolTip); }

 protected:
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) override;

 private:
  platform::WindowRef dialog_;
  int controlId_ = 0;
  std::optional<std::string> toolTipText_;
};

}  // namespace fields
