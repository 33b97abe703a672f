#include "fields/CLinkLabel.h"

#include "fields/CCalendarDialog.h"
#include "fields/CCoderDialog.h"
#include "framework/TorvanMaskT.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/Desktop.h"
#include "platform/window/TextMetrics.h"
#include "platform/window/WindowRef.h"

namespace fields {

using namespace platform;

namespace {

std::optional<std::string> languageText(std::string_view key) {
  std::string text;
  if (!LANG_getString(key, text, 1024)) return std::nullopt;
  return text;
}

// Statics that draw an icon, a frame or rectangle, a picture or themselves are left to paint
// themselves.
bool paintsItsText(DWORD staticType) {
  constexpr DWORD kSimple = 0x0A;
  constexpr DWORD kLeftNoWordWrap = 0x0B;
  return staticType == SS_LEFT || staticType == SS_CENTER || staticType == SS_RIGHT ||
         staticType == kSimple || staticType == kLeftNoWordWrap;
}

}  // namespace

CLinkLabel::CLinkLabel()
    : backgroundColour_(framework::kMaskBackground),
      normalFont_{"Arial", 14, FW_BOLD, false},
      hoverFont_{"Arial", 14, FW_BOLD, true},
      backgroundBrush_{framework::kMaskBackground} {}

CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::Attach(Window& control) {
  WindowWrapper::Attach(control);
}

void CLinkLabel::Initialise() {
  Window* control = window();
  if (control == nullptr) return;
  paint_ = 1;
  if (control->windowClass() == WindowClass::Static) {
    control->setStyle(control->style() | SS_NOTIFY);
    if (!paintsItsText(control->styleType())) paint_ = 0;
  }
  handCursor_ = true;
  if (paint_ != 0) {
    const HFONT dialogFont = control->parent() != nullptr ? control->parent()->font() : nullptr;
    underlinedFont_ = dialogFont != nullptr ? *dialogFont : normalFont_;
    underlinedFont_.underline = true;
    control->setFont(&normalFont_);
  }
  if (!linkText_ && !control->text().empty()) linkText_ = control->text();
  if (linkText_ && control->text() != *linkText_) control->setText(*linkText_);
  if (!toolTipText_) toolTipText_ = linkText_;
  ComputeTextRectangle();
  toolTip_ = std::make_unique<ToolTip>();
  toolTip_->activate(true);
  toolTip_->addTool(*control, toolTipText_.value_or(""));
}

void CLinkLabel::PrepareLink(int targetId, int mandatory, std::string_view labKey,
                             std::string_view tipKey) {
  normalColour_ = mandatory == 1 ? kLinkMandatoryColour : kLinkColour;
  hoverColour_ = kLinkHoverColour;
  targetId_ = targetId;
  if (auto text = languageText(labKey)) linkText_ = std::move(text);
  if (auto text = languageText(tipKey)) toolTipText_ = std::move(text);
}

void CLinkLabel::InitCalendarLink(int targetId, int mandatory, std::string_view labKey,
                                  std::string_view tipKey) {
  PrepareLink(targetId, mandatory, labKey, tipKey);
  calendar_ = 1;
}

void CLinkLabel::InitLookupLink(int targetId, int mandatory, std::string_view labKey,
                                std::string_view tipKey, std::string_view tableName) {
  PrepareLink(targetId, mandatory, labKey, tipKey);
  lookupTable_ = std::string(tableName);
  calendar_ = 0;
}

void CLinkLabel::SetColours(COLORREF normal, COLORREF hover) {
  normalColour_ = normal;
  hoverColour_ = hover;
}

void CLinkLabel::SetLinkText(std::string_view text) {
  linkText_ = std::string(text);
  if (Window* control = window()) {
    control->setText(text);
    ComputeTextRectangle();
  }
}

void CLinkLabel::SetTooltip(std::string_view text) {
  toolTipText_ = std::string(text);
  if (Window* control = window(); control != nullptr && toolTip_) {
    toolTip_->addTool(*control, *toolTipText_);
  }
}

void CLinkLabel::SetLookupTable(std::string_view name) {
  lookupTable_ = std::string(name);
}

void CLinkLabel::ComputeTextRectangle() {
  if (Window* control = window()) textRectangle_ = textRectangle(*control);
}

bool CLinkLabel::InsideText(LPARAM point) const {
  const auto packed = static_cast<std::uintptr_t>(point);
  return textRectangle_.contains(lowWord(packed), highWord(packed));
}

void CLinkLabel::SetHovering(bool hovering) {
  hovering_ = hovering ? 1 : 0;
  // Painting: the hover font while hovering, the normal one otherwise.
  if (Window* control = window(); control != nullptr && paint_ != 0) {
    control->setFont(hovering ? &hoverFont_ : &normalFont_);
  }
}

void CLinkLabel::Activate() {
  Window* control = window();
  if (control == nullptr || control->parent() == nullptr) return;
  Window* owner = control->parent();
  Window* target = owner->child(targetId_);
  if (target == nullptr || !target->isEnabled()) return;
  const WindowRef kept(*target);
  std::string picked;
  if (calendar_ != 0) {
    picked = CCalendarDialog().Run(owner);
  } else if (lookupTable_) {
    picked = CCoderDialog().Run(owner, *lookupTable_);
  } else {
    return;
  }
  // The mask may have gone while the picker was open.
  target = kept.get();
  if (target == nullptr) return;
  if (!picked.empty()) target->setText(picked);
  desktop().setFocus(target);
}

bool CLinkLabel::ProcessWindowMessage(const Message& message, LRESULT& result) {
  if (message.code >= WM_MOUSEMOVE && message.code <= WM_MBUTTONDBLCLK && toolTip_) {
    toolTip_->relayEvent(message);
  }
  switch (message.code) {
    case OCM_CTLCOLORSTATIC: {
      // The colours the link is painted in: the hover colour while hovering.
      auto* context = reinterpret_cast<DeviceContext*>(message.wParam);
      context->textColour = hovering_ != 0 ? hoverColour_ : normalColour_;
      context->backgroundColour = backgroundColour_;
      context->backgroundMode = BackgroundMode::Opaque;
      result = reinterpret_cast<LRESULT>(&backgroundBrush_);
      return true;
    }
    case WM_MOUSEMOVE:
      SetHovering(InsideText(message.lParam));
      return true;
    case WM_MOUSELEAVE:
      SetHovering(false);
      return true;
    case WM_SETCURSOR:
      // The hand over the text.
      result = hovering_ != 0 && handCursor_ ? 1 : 0;
      return hovering_ != 0;
    case WM_GETDLGCODE:
      result = DLGC_WANTCHARS;
      return true;
    case WM_LBUTTONDOWN:
      if (!InsideText(message.lParam)) return true;
      desktop().setFocus(window());
      captured_ = true;
      return true;
    case WM_LBUTTONUP:
      if (!captured_) return true;
      captured_ = false;
      if (InsideText(message.lParam)) Activate();
      return true;
    case WM_KEYDOWN:
      // Enter and Space act on the link, not on the mask.
      return message.wParam == VK_RETURN || message.wParam == VK_SPACE;
    case WM_CHAR:
      if (message.wParam == '\r' || message.wParam == ' ') Activate();
      return true;
    default:
      return false;
  }
}

}  // namespace fields
