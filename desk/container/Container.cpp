#include "desk/container/Container.h"

#include "desk/container/TextEncoding.h"
#include "desk/controls/AddPaxControl.h"
#include "desk/controls/DialogRequestControl.h"
#include "desk/controls/PickerControls.h"

namespace desk {

using namespace platform;

Container::Container(const ModuleLoader& module, const typelib::ClassDescription& description,
                     ContainerListener& listener, DialogAnswerer& answerer)
    : module_(module),
      description_(description),
      listener_(listener),
      answerer_(answerer),
      containerWindow_(std::make_unique<Window>(WindowClass::Dialog, 0, "Quillet", WS_VISIBLE,
                                                Rect{0, 0, 800, 600})),
      preview_(module, description) {
  desktop().setContainer(this);
  setObserver(this);
  registerPickerControls();
  registerAddPaxControl();
  registerDialogRequestControls();
  mask();  // a mask that cannot be created ends the container before it starts
}

Container::~Container() {
  mask_.reset();
  setObserver(nullptr);
  desktop().setContainer(nullptr);
}

MaskHost& Container::mask() {
  if (!mask_) {
    auto onEvent = [this](std::string_view name, const std::vector<std::string>& arguments) {
      listener_.eventFired(name, arguments);
    };
    try {
      mask_ = std::make_unique<MaskHost>(module_, description_, onEvent);
    } catch (const std::runtime_error& error) {
      throw ContainerFailure(error.what());
    }
  }
  return *mask_;
}

Window& Container::openMask() {
  MaskHost& host = mask();
  if (FAILED(host.open(containerWindow_.get())) || host.window() == nullptr) {
    throw ContainerFailure("the mask could not open its window");
  }
  return *host.window();
}

void Container::releaseMask() {
  mask_.reset();
  if (module_.canUnloadNow()() != S_OK) {
    throw ContainerFailure("the module does not allow unloading after the mask was released");
  }
}

void Container::report(std::string_view member, HRESULT result, std::optional<std::string> value) {
  listener_.callReturned({std::string(member), result, std::move(value)});
}

void Container::call(std::string_view method, const std::vector<std::string>& arguments) {
  report(method, mask().call(method, arguments));
}

void Container::putLang(std::string_view language) {
  report("Lang", mask().putLang(language));
}

std::string Container::getLang() {
  std::string language;
  const HRESULT result = mask().getLang(language);
  report("Lang", result, language);
  return language;
}

PreviewResult Container::preview() {
  const Window& dialog = openMask();
  std::string language;
  mask().getLang(language);
  try {
    return preview_.run(dialog, language, previewHost_);
  } catch (const std::runtime_error& error) {
    throw ContainerFailure(error.what());
  }
}

int Container::messageBox(Window*, std::string_view text, std::string_view caption, UINT style) {
  const MessageBoxRequest box{utf8FromLatin1(text), utf8FromLatin1(caption), style};
  listener_.messageBoxShown(box);
  const int button = answerer_.answerMessageBox(box);
  listener_.messageBoxClosed(box, button);
  return button;
}

// The mask names the dialog by its kind's name; a name the desk does not know is no dialog it
// can show, so it is cancelled, and the log says so.
std::optional<std::vector<std::string>> Container::answerDialog(std::string_view kindName) {
  const std::optional<DialogKind> kind = dialogKindNamed(kindName);
  if (!kind) {
    listener_.logged({"Quillet desk", "dialog",
                      "no dialog of kind \"" + utf8FromLatin1(kindName) + "\": cancelled"});
    return std::nullopt;
  }
  listener_.modalDialogOpened(*kind);
  const std::optional<ModalAnswer> answer = answerer_.answerModalDialog(*kind);
  listener_.modalDialogClosed(*kind, answer);
  if (!answer || answer->cancelled) return std::nullopt;
  std::vector<std::string> words;
  for (const std::string& word : answer->words) words.push_back(latin1FromUtf8(word));
  return words;
}

std::optional<std::vector<std::string>> Container::modalDialog(std::string_view kind, Window*) {
  return answerDialog(kind);
}

void Container::runPicker(std::string_view kind, Window&, IDispatch& control) {
  openPicker_ = &control;
  const std::optional<std::vector<std::string>> words = answerDialog(kind);
  openPicker_ = nullptr;
  answerPicker(control, words);
}

const CodeList* Container::openCodeTable() const {
  if (openPicker_ == nullptr) return nullptr;
  const CoderControl* lookup = CoderControl::of(*openPicker_);
  return lookup != nullptr ? &lookup->table() : nullptr;
}

void Container::shellOpen(std::string_view target) {
  listener_.shellOpened(utf8FromLatin1(target));
}

void Container::onLog(std::string_view module, std::string_view operation, std::string_view text) {
  listener_.logged({utf8FromLatin1(module), utf8FromLatin1(operation), utf8FromLatin1(text)});
}

void Container::onRequest(std::string_view name) {
  listener_.requested(name);
}

}  // namespace desk
