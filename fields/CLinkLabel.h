#pragma once
// A field's label shown as a link: a click on its text (or Enter or Space while it has the
// focus) opens the month calendar or the code lookup, and the pick is written into the
// field's value control, the link's target. A disabled target opens nothing.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "fields/WindowWrapper.h"
#include "platform/window/Graphics.h"
#include "platform/window/ToolTip.h"

namespace fields {

inline constexpr platform::COLORREF kLinkColour = platform::RGB(0, 0, 255);
inline constexpr platform::COLORREF kLinkHoverColour = platform::RGB(255, 0, 0);
inline constexpr platform::COLORREF kLinkMandatoryColour = platform::RGB(255, 0, 0);

class CLinkLabel : public WindowWrapper {
 public:
  CLinkLabel();
  ~CLinkLabel() override;

  // Subclasses the control and prepares cursor, fonts, texts, tooltip and text rectangle.
  void Attach(platform::Window& control);
  void Initialise();

  // Colours for the mandatory state, the target and the texts: labKey and tipKey give the
  // link and tooltip texts, each only when the table has it.
  void PrepareLink(int targetId, int mandatory, std::string_view labKey, std::string_view tipKey);
  // PrepareLink, and the link opens the calendar or the code lookup of the table.
  void InitCalendarLink(int targetId, int mandatory, std::string_view labKey,
                        std::string_view tipKey);
  void InitLookupLink(int targetId, int mandatory, std::string_view labKey, std::string_view tipKey,
                      std::string_view tableName);
  void SetColours(platform::COLORREF normal, platform::COLORREF hover);
  void SetLinkText(std::string_view text);
  void SetTooltip(std::string_view text);
  void SetLookupTable(std::string_view name);
  void SetCalendar(bool calendar) { calendar_ = calendar ? 1 : 0; }
  void ClearLookupTable() { lookupTable_.reset(); }

  std::string LinkText() const { return linkText_.value_or(std::string()); }
  platform::COLORREF NormalColour() const { return normalColour_; }
  bool Hovering() const { return hovering_ != 0; }
  // Opens the picker for the target, as a click on the text does.
  void Activate();

 protected:
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result) override;

 private:
  void ComputeTextRectangle();
  bool InsideText(platform::LPARAM point) const;
  void SetHovering(bool hovering);

  std::optional<std::string> linkText_;
  std::optional<std::string> toolTipText_;
  bool handCursor_ = false;
  platform::Font underlinedFont_;
  platform::Rect textRectangle_;
  int paint_ = 1;
  std::unique_ptr<platform::ToolTip> toolTip_;
  std::optional<std::string> lookupTable_;
  platform::COLORREF normalColour_ = kLinkColour;
  platform::COLORREF hoverColour_ = kLinkHoverColour;
  platform::COLORREF backgroundColour_;
  platform::Font normalFont_;
  platform::Font hoverFont_;
  int targetId_ = 0;
  int calendar_ = 0;
  int hovering_ = 0;
  bool captured_ = false;
  platform::Brush backgroundBrush_;
};

}  // namespace fields
