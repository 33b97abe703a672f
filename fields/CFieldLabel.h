#pragma once
// A field's plain label: a static control painted in the field's colours and font, with a
// tooltip that tells what the field takes.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "fields/WindowWrapper.h"
#include "platform/window/Graphics.h"
#include "platform/window/ToolTip.h"

namespace fields {

class CFieldLabel : public WindowWrapper {
 public:
  CFieldLabel();
  ~CFieldLabel() override;

  // Subclasses the label and registers the tooltip text with it (none when absent).
  void Attach(platform::Window& control, std::optional<std::string> toolTip);
  // Replaces the tooltip text of the attached label (none when absent).
  void SetToolTip(std::optional<std::string> toolTip);
  void SetTextColour(platform::COLORREF colour) { textColour_ = colour; }
  void SetBackgroundColour(platform::COLORREF colour);
  platform::COLORREF TextColour() const { return textColour_; }
  const std::optional<std::string>& ToolTipText() const { return toolTipText_; }
  // Gives the label the field font.
  void ApplyFont();

 protected:
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) override;

 private:
  std::optional<std::string> toolTipText_;
  platform::Font font_;
  platform::COLORREF textColour_ = 0;
  platform::COLORREF backgroundColour_;
  platform::Brush backgroundBrush_;
  std::unique_ptr<platform::ToolTip> toolTip_;
};

}  // namespace fields
