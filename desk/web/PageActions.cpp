#include "desk/web/PageActions.h"

#include <algorithm>
#include <optional>
#include <string>

#include "desk/container/AgentControls.h"
#include "desk/container/DeskPresets.h"
#include "desk/container/Preview.h"
#include "desk/container/TextEncoding.h"
#include "desk/controls/AddPaxControl.h"
#include "desk/state/AddPassengerControl.h"
#include "desk/web/WebMask.h"
#include "platform/window/AgentInput.h"
#include "platform/window/Desktop.h"

namespace desk {

using namespace platform;

namespace {

Window& control(WebMask& mask, const ActionRequest& request) {
  return dialogControl(mask.dialog(), request.control.value_or(-1));
}

// Why the agent cannot reach the control, or nothing when it can: a disabled or hidden
// control takes no input, and no control of a disabled dialog does.
std::optional<std::string> inputRefusal(const Window& target) {
  const std::string name = "control " + std::to_string(target.id());
  if (!target.isEnabled()) return name + " is disabled";
  for (const Window* window = target.parent(); window != nullptr; window = window->parent()) {
    if (!window->isEnabled()) return name + " is in a disabled dialog";
  }
  if (!target.isShown()) return name + " is hidden";
  return std::nullopt;
}

// The control an input action names; WebRequestError 409 when it takes no input, rather than
// the input going elsewhere.
Window& inputControl(WebMask& mask, const ActionRequest& request) {
  Window& target = control(mask, request);
  if (auto refusal = inputRefusal(target)) throw WebRequestError(409, *refusal);
  return target;
}

// The agent is done with a hosted add-passenger control: it reports the page's list, or the
// cancel, and says it has finished.
void finishAddPassengers(Window& target, const ActionRequest& request) {
  AddPaxControl* addPax =
      target.hostedControl() != nullptr ? AddPaxControl::of(*target.hostedControl()) : nullptr;
  if (addPax == nullptr) {
    throw WebRequestError(
        409, "control " + std::to_string(target.id()) + " is no add-passenger control");
  }
  setAddPassengerState(request.cancelled ? AddPaxControl::kCancelled : AddPaxControl::kFinished);
  setAddPassengerList(request.cancelled ? std::string() : request.text);
  setAddPassengerMarkers(request.cancelled ? std::string(kAddedPassengers, '0') : request.markers);
  addPax->fireEvent(AddPaxControl::kFinishedEvent, {});
}

// ActionError when the action does not fit the control it names.
void act(WebMask& mask, const ActionRequest& request) {
  using Kind = ActionRequest::Kind;
  switch (request.kind) {
    case Kind::Edit: {
      // The page's edit of a text: the range it replaces, then what is typed there. An empty
      // text over a range is a deletion.
      Window& target = inputControl(mask, request);
      const std::string text = latin1FromUtf8(request.text);
      focusControl(target);
      target.setSelection(std::min(request.start, request.end),
                          std::max(request.start, request.end));
      if (text.empty()) {
        if (request.start != request.end) pressKey(Key::Backspace, &mask.dialog());
      } else {
        typeText(target, text);
      }
      break;
    }
    case Kind::Type:
      typeText(inputControl(mask, request), latin1FromUtf8(request.text));
      break;
    case Kind::Select:
      inputControl(mask, request).setSelection(request.start, request.end);
      break;
    case Kind::Choose:
      chooseListEntry(inputControl(mask, request), request.index);
      break;
    case Kind::Click: {
      Window& target = inputControl(mask, request);
      if (&target == sendButtonOf(mask.dialog())) mask.sendStarts();
      click(target);
      break;
    }
    case Kind::DoubleClick:
      doubleClick(inputControl(mask, request));
      break;
    case Kind::Focus: {
      focusControl(inputControl(mask, request));
      break;
    }
    case Kind::Hover: {
      // The pointer rests on the control's text, or has left the control.
      Window& target = control(mask, request);
      if (request.inside) {
        movePointerOnto(target);
        mask.pointerOver(&target);
      } else {
        movePointerOff(target);
        mask.pointerOver(nullptr);
      }
      break;
    }
    case Kind::Key:
      if (request.control) {
        Window& target = inputControl(mask, request);
        if (desktop().focus() != &target) focusControl(target);
      }
      // The desk activated this instance: the focus is in its dialog or nowhere.
      if (desktop().focus() != nullptr && !mask.owns(desktop().focus())) {
        throw WebRequestError(409, "the focus is in another mask");
      }
      if (request.key == Key::Enter || (request.key == Key::Space && desktop().focus() != nullptr &&
                                        desktop().focus() == sendButtonOf(mask.dialog()))) {
        mask.sendStarts();
      }
      pressKey(request.key, &mask.dialog());
      break;
    case Kind::Finish:
      finishAddPassengers(inputControl(mask, request), request);
      break;
  }
}

}  // namespace

void runAction(WebMask& mask, const ActionRequest& request) {
  try {
    act(mask, request);
  } catch (const ActionError& error) {
    const bool missing = error.reason() == ActionError::Reason::NoSuchControl;
    throw WebRequestError(missing ? 404 : 400, error.what());
  }
}

}  // namespace desk
