#include "desk/web/WindowState.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "desk/container/AgentControls.h"
#include "desk/container/TextEncoding.h"
#include "platform/window/AgentInput.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/Painting.h"

namespace desk {

using namespace platform;
using nlohmann::json;

namespace {

constexpr int kClosedComboUnits = 12;

// Statics say how their text is aligned; every other control aligns it to the left.
std::string_view alignment(const Window& control) {
  if (control.windowClass() != WindowClass::Static) return "left";
  const DWORD type = control.style() & SS_TYPEMASK;
  if (type == SS_CENTER) return "center";
  if (type == SS_RIGHT) return "right";
  return "left";
}

json fontState(HFONT font) {
  if (font == nullptr) return nullptr;
  return {{"face", utf8FromLatin1(font->face)},
          {"height", font->height},
          {"bold", font->weight >= FW_BOLD},
          {"underline", font->underline}};
}

}  // namespace

json controlState(Window& control, bool underPointer) {
  const Rect& rect = control.rect();
  const ControlState shown = controlStateOf(control);
  json state{{"id", control.id()},
             {"x", rect.left},
             {"y", rect.top},
             {"width", rect.width()},
             {"height", rect.height()},
             {"tabstop", (control.style() & WS_TABSTOP) != 0},
             {"groupStart", (control.style() & WS_GROUP) != 0},
             {"align", alignment(control)}};
  const DWORD style = control.style();
  switch (control.windowClass()) {
    case WindowClass::Static:
      state["notify"] = (style & SS_NOTIFY) != 0;
      break;
    case WindowClass::Edit:
      state["upper"] = (style & ES_UPPERCASE) != 0;
      state["readOnly"] = control.isReadOnly();
      break;
    case WindowClass::ComboBox:
      state["upper"] = (style & CBS_UPPERCASE) != 0;
      state["dropDownList"] = control.isDropDownList();
      // The template's height includes the dropped-down list; closed, a combo box is as tall
      // as an edit.
      state["closedHeight"] = std::min(rect.height(), dialogUnitsToPixelsY(kClosedComboUnits));
      break;
    case WindowClass::Button:
      state["defaultButton"] = control.styleType() == BS_DEFPUSHBUTTON;
      break;
    case WindowClass::Hosted:
      state["hostedClass"] = utf8FromLatin1(control.hostedClass());
      break;
    default:
      break;
  }
  writeControlState(state, shown);
  if (const auto& colours = shown.colours) {
    state["background"] = colourToHex(colours->transparent ? colours->brush : colours->background);
  }
  state["font"] = fontState(control.font());
  if (!control.toolTip().empty()) state["tooltip"] = utf8FromLatin1(control.toolTip());
  if (underPointer) state["cursor"] = showsOwnCursor(control) ? "hand" : "arrow";
  return state;
}

json dialogState(Window& dialog, const Window* focus, const Window* pointer) {
  json controls = json::array();
  for (const auto& child : dialog.children()) {
    controls.push_back(controlState(*child, child.get() == pointer));
  }
  const PaintColours colours = dialogColours(dialog);
  // The rectangles are in pixels of the dialog font's base units; the page converts them to
  // its own font's.
  json state{{"width", dialog.rect().width()},           {"height", dialog.rect().height()},
             {"baseUnits", {kBaseUnitX, kBaseUnitY}},    {"enabled", dialog.isEnabled()},
             {"background", colourToHex(colours.brush)}, {"font", fontState(dialog.font())},
             {"controls", std::move(controls)},          {"focus", nullptr}};
  if (focus != nullptr && focus->parent() == &dialog) {
    state["focus"] = focus->id();
    if (const auto selection = agentSelection(*focus)) {
      state["selection"] = {selection->start, selection->end};
    }
  }
  return state;
}

}  // namespace desk
