#include "desk/container/Preview.h"

#include <memory>
#include <vector>

#include "desk/container/MaskHost.h"
#include "desk/container/TextEncoding.h"
#include "desk/services/Sandbox.h"
#include "desk/state/DeskObserver.h"
#include "platform/window/Desktop.h"
#include "platform/window/WindowRef.h"

namespace desk {

using namespace platform;

namespace {

bool isOutcomeEvent(std::string_view name) {
  return name == "Send" || name == "SendCommand" || name == "SendTo";
}

// What the hidden instance does that would leave the mask, in order. Framework requests are
// kept by the sandbox; they are taken over before each other outcome so that the order holds.
class Outcomes final : public ContainerServices {
 public:
  explicit Outcomes(const Sandbox& sandbox) : sandbox_(sandbox) {}

  int messageBox(Window*, std::string_view text, std::string_view, UINT) override {
    add({PreviewResult::Kind::Fault, utf8FromLatin1(text), std::nullopt, {}});
    return IDOK;
  }
  std::optional<std::vector<std::string>> modalDialog(std::string_view, Window*) override {
    return std::nullopt;  // cancelled: a preview asks the agent nothing
  }
  void shellOpen(std::string_view) override {}

  void eventFired(std::string_view name, const std::vector<std::string>& arguments) {
    if (!isOutcomeEvent(name)) return;
    std::string text;
    if (name == "SendTo") {
      // srcID, destID, str: the message to another component
      for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + argument;
    } else if (!arguments.empty()) {
      text = arguments.front();
    }
    add({name == "Send" ? PreviewResult::Kind::Command : PreviewResult::Kind::Request,
         std::move(text),
         std::nullopt,
         {}});
    if (name == "SendCommand" && outcomes_.size() == 1) firstIsHostEntry_ = true;
  }

  // Forgets what happened so far (the copying of the shown states), so that only Send counts.
  void forget() {
    takeRequests();
    outcomes_.clear();
    firstIsHostEntry_ = false;
  }

  std::size_t count() {
    takeRequests();
    return outcomes_.size();
  }
  // Whether the first outcome is a host entry (SendCommand) rather than another request.
  bool firstIsHostEntry() const { return firstIsHostEntry_; }
  // The first command fired from outcome index on, or nothing.
  std::optional<std::string> commandFrom(std::size_t index) {
    takeRequests();
    for (; index < outcomes_.size(); ++index) {
      if (outcomes_[index].kind == PreviewResult::Kind::Command) return outcomes_[index].text;
    }
    return std::nullopt;
  }

  // The first outcome; a fault names the control that has the focus now.
  PreviewResult first(const Window& hiddenDialog) {
    takeRequests();
    if (outcomes_.empty()) return {};
    PreviewResult result = outcomes_.front();
    if (result.kind == PreviewResult::Kind::Fault) {
      for (const Window* focus = desktop().focus(); focus != nullptr; focus = focus->parent()) {
        if (focus->parent() == &hiddenDialog) {
          result.control = focus->id();
          break;
        }
      }
    }
    return result;
  }

 private:
  void add(PreviewResult outcome) {
    takeRequests();
    outcomes_.push_back(std::move(outcome));
  }
  void takeRequests() {
    const std::vector<std::string>& requests = sandbox_.requests();
    for (; requestsTaken_ < requests.size(); ++requestsTaken_) {
      outcomes_.push_back(
          {PreviewResult::Kind::Request, requests[requestsTaken_], std::nullopt, {}});
    }
  }

  const Sandbox& sandbox_;
  std::vector<PreviewResult> outcomes_;
  std::size_t requestsTaken_ = 0;
  bool firstIsHostEntry_ = false;
};

// For the length of a preview the hidden instance is the desktop's container's mask: its
// boxes and dialogs go to the outcomes, and the focus starts with nobody, so that no focus
// message reaches the shown dialog; afterwards everything is as it was.
class DesktopSwap {
 public:
  explicit DesktopSwap(ContainerServices& services)
      : container_(desktop().container()), observer_(observer()) {
    if (Window* focus = desktop().focus()) focus_ = WindowRef(*focus);
    desktop().setContainer(&services);
    setObserver(nullptr);
    desktop().setFocusQuietly(nullptr);
  }
  ~DesktopSwap() {
    desktop().setFocusQuietly(focus_.get());
    setObserver(observer_);
    desktop().setContainer(container_);
  }
  DesktopSwap(const DesktopSwap&) = delete;
  DesktopSwap& operator=(const DesktopSwap&) = delete;

  Window* shownFocus() const { return focus_.get(); }

 private:
  ContainerServices* container_;
  DeskObserver* observer_;
  WindowRef focus_;
};

// The shown dialog's control states onto the hidden one's. First the choices the agent made
// (list selections, check states), each heard by the hidden mask as the agent's own choice was,
// so that what a mask keeps of them (a retrieval mode, a switched-on field) is set as in the shown
// one; then the texts (set as a program sets them, not typed), enabled and visible, which win
// over whatever those handlers changed. The shown controls are only read.
void copyControlStates(const Window& shown, Window& hidden) {
  for (const auto& source : shown.children()) {
    Window* target = hidden.child(source->id());
    if (target == nullptr || target->windowClass() != source->windowClass()) continue;
    if (source->hasList() && target->currentEntry() != source->currentEntry() &&
        source->currentEntry() < target->entryCount()) {
      target->setCurrentEntry(source->currentEntry());
      target->notifyParent(source->windowClass() == WindowClass::ComboBox ? CBN_SELCHANGE
                                                                          : LBN_SELCHANGE);
    }
    if (source->windowClass() == WindowClass::Button &&
        target->checkState() != source->checkState()) {
      target->setCheckState(source->checkState());
      // An automatic button tells its mask of a click after its state changed, as here; a plain
      // check box leaves the toggling to the mask's handler, so it is only set.
      const bool automatic =
          target->styleType() == BS_AUTOCHECKBOX ||
          (target->styleType() == BS_AUTORADIOBUTTON && target->checkState() != 0);
      if (automatic) target->notifyParent(BN_CLICKED);
    }
  }
  for (const auto& source : shown.children()) {
    Window* target = hidden.child(source->id());
    if (target == nullptr || target->windowClass() != source->windowClass()) continue;
    if ((source->hasEditPart() || source->windowClass() == WindowClass::Static) &&
        target->text() != source->text()) {
      target->setText(source->text());
    }
    target->enable(source->isEnabled());
    target->show(source->isVisible() ? SW_SHOW : SW_HIDE);
  }
}

}  // namespace

Window* sendButtonOf(const Window& dialog) {
  for (const auto& control : dialog.children()) {
    if (control->windowClass() == WindowClass::Button && control->styleType() == BS_DEFPUSHBUTTON) {
      return control.get();
    }
  }
  return nullptr;
}

MaskPreview::MaskPreview(const ModuleLoader& module, const typelib::ClassDescription& description)
    : module_(module), description_(description) {}

PreviewResult MaskPreview::run(const Window& shownDialog, std::string_view language,
                               const HostAnswers& answers) {
  Sandbox sandbox;
  Outcomes outcomes(sandbox);
  const DesktopSwap swap(outcomes);

  // A new instance each time: nothing a former preview did to a mask's own state counts.
  // Its container window is flagged visible like the shown one's, so that the mask finds its
  // controls as the agent sees them.
  Window containerWindow(WindowClass::Dialog, 0, "Quillet", WS_VISIBLE, shownDialog.rect());
  MaskHost hidden(module_, description_,
                  [&outcomes](std::string_view name, const std::vector<std::string>& arguments) {
                    outcomes.eventFired(name, arguments);
                  });
  if (FAILED(hidden.open(&containerWindow)) || hidden.window() == nullptr) {
    throw std::runtime_error("the hidden instance of the mask could not open its window");
  }
  Window& dialog = *hidden.window();
  std::string hiddenLanguage;
  hidden.getLang(hiddenLanguage);
  if (hiddenLanguage != language) hidden.putLang(language);
  copyControlStates(shownDialog, dialog);
  desktop().pumpMessagesFor(dialog);
  outcomes.forget();

  // The focus where the agent has it, without a message to either side.
  Window* shownFocus = swap.shownFocus();
  const bool focusInShown = shownFocus != nullptr && shownFocus->parent() == &shownDialog;
  desktop().setFocusQuietly(focusInShown ? dialog.child(shownFocus->id()) : nullptr);

  PreviewResult result;
  Window* send = sendButtonOf(dialog);
  if (send != nullptr && send->isEnabled() && send->isVisible()) {
    send->notifyParent(BN_CLICKED);
    desktop().pumpMessagesFor(dialog);
    result = outcomes.first(dialog);
    // Send asked the host first: with the host's answer, still in the sandbox, the hidden
    // instance goes on to the command it would send.
    if (result.kind == PreviewResult::Kind::Request && answers && outcomes.firstIsHostEntry()) {
      if (const std::optional<std::string> reply = answers(result.text)) {
        const std::size_t before = outcomes.count();
        hidden.call("SetResponse", {*reply});
        desktop().pumpMessagesFor(dialog);
        result.then = outcomes.commandFrom(before).value_or(std::string());
      }
    }
  }
  desktop().setFocusQuietly(nullptr);  // the hidden controls let go of the focus unheard
  hidden.release();
  return result;
}

}  // namespace desk
