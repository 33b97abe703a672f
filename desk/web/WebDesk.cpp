#include "desk/web/WebDesk.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "desk/container/ClassResolver.h"
#include "desk/container/TextEncoding.h"
#include "desk/controls/PickerControls.h"
#include "desk/home/DeskHome.h"
#include "desk/web/RandomToken.h"
#include "framework/services/TorvanArch.h"
#include "platform/com/ComPtr.h"
#include "platform/files/PathResolver.h"

namespace desk {

using namespace platform;
using nlohmann::json;

namespace {

constexpr std::string_view kKeyLanguage = "KEY";

bool servesClass(const ModuleLoader& module, const typelib::ClassDescription& description) {
  ComPtr<IClassFactory> factory;
  return SUCCEEDED(
      module.getClassObject()(description.clsid, IID_IClassFactory, factory.outVoid()));
}

bool isInside(const std::filesystem::path& file, const std::filesystem::path& folder) {
  const auto relative = file.lexically_relative(folder);
  return !relative.empty() && *relative.begin() != ".." && !relative.is_absolute();
}

}  // namespace

WebDesk::WebDesk(const ModuleLoader& module, UiThread& ui, std::chrono::milliseconds grace)
    : module_(module),
      ui_(ui),
      grace_(grace),
      host_(std::make_unique<SimulatedHost>(home() / "host")) {
  for (const typelib::ClassDescription& description : typelib::classes()) {
    try {
      if (servesClass(moduleFor(description), description)) served_.push_back(&description);
    } catch (const std::runtime_error& error) {
      std::cerr << "quillet serve: " << description.name << " is left out: " << error.what()
                << "\n";
    }
  }
  host_->open(host_->startPnr());
  openJournal();
  installServices();
}

// The journal lives in the desk home; QUILLET_JOURNAL_DAYS sets how long it keeps entries. A
// setting that is no number of days is reported and the default kept, so that nothing is
// dropped by mistake.
void WebDesk::openJournal() {
  std::chrono::days retention = Journal::kDefaultRetention;
  if (const char* days = std::getenv("QUILLET_JOURNAL_DAYS"); days != nullptr) {
    try {
      retention = journalRetention(days);
    } catch (const JournalError& error) {
      std::cerr << "quillet serve: " << error.what() << "; the journal keeps "
                << Journal::kDefaultRetention.count() << " days\n";
    }
  }
  try {
    journal_ = std::make_unique<Journal>(home() / "journal.db", retention);
  } catch (const JournalError& error) {
    std::cerr << "quillet serve: no journal: " << error.what() << "\n";
  }
}

WebDesk::~WebDesk() {
  releaseAll();
  setObserver(nullptr);
  desktop().setContainer(nullptr);
}

// Each container core makes itself the desktop's container while it lives; with several
// instances the desk takes that place and hands each request to the instance it concerns.
void WebDesk::installServices() {
  desktop().setContainer(this);
  setObserver(this);
}

const ModuleLoader& WebDesk::moduleFor(const typelib::ClassDescription& description) {
  const ResolvedClass resolved = resolveClass(description.name, module_.path());
  if (!resolved.registered) return module_;
  if (resolved.description != &description) {
    throw std::runtime_error(typelib::progId(description) + " is registered for the class " +
                             std::string(resolved.description->name));
  }
  std::error_code error;
  std::filesystem::path key = std::filesystem::weakly_canonical(resolved.modulePath, error);
  if (error) key = resolved.modulePath;
  if (key == std::filesystem::weakly_canonical(module_.path(), error) && !error) return module_;
  auto& loaded = registeredModules_[key];
  if (!loaded) loaded = std::make_unique<ModuleLoader>(resolved.modulePath);
  return *loaded;
}

bool WebDesk::registeredModulesCanUnload() const {
  return std::ranges::all_of(
      registeredModules_, [](const auto& entry) { return entry.second->canUnloadNow()() == S_OK; });
}

const typelib::ClassDescription* WebDesk::findServedClass(std::string_view name) const {
  const typelib::ClassDescription* description = typelib::findClass(name);
  if (description == nullptr || std::ranges::find(served_, description) == served_.end()) {
    return nullptr;
  }
  return description;
}

std::vector<std::string> WebDesk::languages() const {
  std::vector<std::string> codes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(home() / "languages", error)) {
    if (entry.path().extension() == ".txt") codes.push_back(entry.path().stem().string());
  }
  std::ranges::sort(codes);
  codes.emplace_back(kKeyLanguage);
  return codes;
}

std::string WebDesk::language() const {
  std::string code;
  WHITEBOARD_getString("User", "LANG", "EN1", code, 1024, kWhiteboardName);
  return utf8FromLatin1(code);
}

void WebDesk::setLanguage(std::string_view language) {
  const auto codes = languages();
  if (std::ranges::find(codes, language) == codes.end()) {
    throw WebRequestError(400, "the desk has no language \"" + std::string(language) + "\"");
  }
  WHITEBOARD_putString("User", "LANG", std::string(language), kWhiteboardName);
}

void WebDesk::openPnr(std::string_view name) {
  if (!host_->open(name)) {
    throw WebRequestError(400, "the desk has no demo PNR \"" + std::string(name) + "\"");
  }
}

bool WebDesk::backOffice() const {
  std::string value;
  WHITEBOARD_getString("User", "BackOffice", "0", value, 1024, kWhiteboardName);
  return value == "1";
}

void WebDesk::useBackOffice(bool on) {
  WHITEBOARD_putString("User", "BackOffice", on ? "1" : "0", kWhiteboardName);
  WHITEBOARD_putString("User", "CustomerProfileSource", on ? "Ledgerwise" : "", kWhiteboardName);
}

json WebDesk::deskState() const {
  json masks = json::array();
  for (const typelib::ClassDescription* description : served_) {
    masks.push_back(description->name);
  }
  json pnrs = json::array();
  for (const DemoPnr& demo : host_->demoPnrs()) {
    json passengers = json::array();
    for (const PnrPassenger& passenger : demo.pnr.passengers) {
      passengers.push_back(
          {passenger.nameNumber, passenger.surname, passenger.givenName, passenger.infant});
    }
    json emails = json::array();
    for (const PnrEmail& email : demo.pnr.emails) {
      emails.push_back({email.address, email.nameNumber, email.name, email.remark});
    }
    pnrs.push_back({{"name", demo.name},
                    {"title", demo.title},
                    {"group", demo.pnr.groupName},
                    {"passengers", std::move(passengers)},
                    {"emails", std::move(emails)}});
  }
  return {{"masks", std::move(masks)}, {"languages", languages()},  {"language", language()},
          {"pnrs", std::move(pnrs)},   {"pnr", host_->openName()},  {"open", masks_.size()},
          {"preview", previewShown_},  {"backOffice", backOffice()}};
}

// The preview.

void WebDesk::showPreview(bool shown) {
  if (shown == previewShown_) return;
  previewShown_ = shown;
  for (const auto& [id, mask] : masks_) {
    if (shown) {
      schedulePreview(*mask);
    } else {
      mask->clearPreview();
      mask->publish();
    }
  }
}

void WebDesk::schedulePreview(WebMask& mask) {
  if (!previewShown_ || mask.previewScheduled) return;
  const auto due = mask.lastPreview + kPreviewInterval;
  const auto now = std::chrono::steady_clock::now();
  const auto delay = due > now ? std::chrono::ceil<std::chrono::milliseconds>(due - now)
                               : std::chrono::milliseconds(0);
  try {
    ui_.postAfter(delay, [this, id = mask.id()] { runPreview(id); });
    mask.previewScheduled = true;
  } catch (const UiThreadStopped&) {
  }
}

void WebDesk::runPreview(const std::string& id) {
  const auto found = masks_.find(id);
  if (found == masks_.end() || found->second->abandoned()) return;
  WebMask& mask = *found->second;
  mask.previewScheduled = false;
  // An instance inside an action (waiting for the page) gets its preview when the action ends.
  if (!previewShown_ || mask.context().busy() || mask.waiting()) return;
  mask.lastPreview = std::chrono::steady_clock::now();
  if (!mask.previewOutdated()) {
    mask.publish();  // a Send of the agent's stands on the line, or nothing changed
    return;
  }
  {
    const CurrentLanguageScope language(&mask.languageScope());
    mask.updatePreview();
  }
  mask.publish();
}

// Instances.

std::string WebDesk::openMask(const typelib::ClassDescription& description,
                              std::optional<std::string> language) {
  if (language) {
    const auto codes = languages();
    if (std::ranges::find(codes, *language) == codes.end()) {
      throw WebRequestError(400, "the desk has no language \"" + *language + "\"");
    }
  }
  std::string id = randomToken();
  while (masks_.contains(id)) id = randomToken();
  std::unique_ptr<WebMask> mask;
  try {
    mask = std::make_unique<WebMask>(*this, id, moduleFor(description), description,
                                     std::move(language));
  } catch (const std::exception& error) {
    installServices();
    throw WebRequestError(500, error.what());
  }
  installServices();
  WebMask& created = *mask;
  masks_.emplace(id, std::move(mask));
  try {
    act(id, [](WebMask& opened) { opened.dialog().send(WM_SHOWWINDOW, 1); });
  } catch (const WebRequestError& error) {
    // A mask that could not show the box it opened with is not kept half open.
    if (error.status() == 503) release(id);
    if (error.status() == 503 || created.abandoned()) throw;
  }
  if (!masks_.contains(id)) throw WebRequestError(500, "the mask closed while it opened");
  return id;
}

WebMask& WebDesk::mask(const std::string& id) {
  const auto found = masks_.find(id);
  if (found == masks_.end() || found->second->abandoned()) {
    throw WebRequestError(404, "no open mask " + id);
  }
  return *found->second;
}

std::size_t WebDesk::waitingCount() const {
  return static_cast<std::size_t>(
      std::ranges::count_if(masks_, [](const auto& entry) { return entry.second->waiting(); }));
}

// Contexts.

void WebDesk::switchTo(WebMask& mask, const std::function<void()>& doSwitch) {
  if (MaskContext::current() != nullptr) {
    throw std::logic_error("the desk switches to a mask only from outside every mask");
  }
  struct Acting {
    WebMask*& acting;
    explicit Acting(WebMask*& slot, WebMask& mask) : acting(slot) { acting = &mask; }
    ~Acting() { acting = nullptr; }
  } acting(acting_, mask);
  const CurrentLanguageScope language(&mask.languageScope());
  doSwitch();
}

void WebDesk::start(WebMask& mask, std::function<void()> work) {
  switchTo(mask, [&] {
    mask.context().run([&mask, work = std::move(work)] {
      std::exception_ptr failure;
      try {
        work();
      } catch (...) {
        failure = std::current_exception();
      }
      // What the handlers posted to the instance's windows comes after them, on its own stack;
      // what other instances posted waits for their own turn.
      if (Window* window = mask.container().mask().window()) {
        while (window->parent() != nullptr) window = window->parent();  // its container's
        desktop().pumpMessagesFor(*window);
      }
      if (failure) std::rethrow_exception(failure);
    });
  });
}

void WebDesk::resume(WebMask& mask) {
  deactivateOthers(mask);
  switchTo(mask, [&] { mask.context().resume(); });
}

void WebDesk::deactivateOthers(const WebMask& mask) {
  Window* focus = desktop().focus();
  if (focus == nullptr || mask.owns(focus)) return;
  WebMask* holder = ownerOf(focus);
  if (holder != nullptr && !holder->context().busy()) {
    holder->rememberFocus();
    const std::string id = holder->id();
    try {
      start(*holder, [] { desktop().setFocus(nullptr); });
    } catch (const std::exception& error) {
      holder->logFault(error.what());
    }
    settle(id);
  }
  // A window of no instance, one whose instance is busy, or a handler that took the focus
  // back: the focus leaves it unheard.
  focus = desktop().focus();
  if (focus != nullptr && !mask.owns(focus)) desktop().setFocusQuietly(nullptr);
}

void WebDesk::settle(const std::string& id) {
  const auto found = masks_.find(id);
  if (found != masks_.end() && !found->second->context().busy()) {
    WebMask& mask = *found->second;
    if (mask.abandoned()) {
      destroy(id);
    } else {
      mask.actionDone();
      schedulePreview(mask);
    }
  }
  destroyAbandoned();
}

// Instances.

void WebDesk::act(const std::string& id, const std::function<void(WebMask&)>& action) {
  run(id, action, true);
}

void WebDesk::deliver(const std::string& id, const std::function<void(WebMask&)>& work) {
  run(id, work, false);
}

void WebDesk::run(const std::string& id, const std::function<void(WebMask&)>& action,
                  bool activate) {
  if (MaskContext::current() != nullptr) {
    throw std::logic_error("an action reaches the desk from inside a mask's handler");
  }
  WebMask& target = mask(id);
  if (target.waiting() || target.context().busy()) {
    target.whenWaiting(nullptr);  // this action will not wait
    throw WebRequestError(409, "the mask waits for an answer");
  }
  std::exception_ptr failure;
  try {
    if (activate) deactivateOthers(target);
    start(target, [&target, action, activate] {
      if (activate) target.restoreFocus();
      action(target);
    });
  } catch (...) {
    failure = std::current_exception();
  }
  const bool refused = target.takeWaitRefused();
  settle(id);
  if (failure) std::rethrow_exception(failure);
  if (refused) {
    throw WebRequestError(503, "the desk has " + std::to_string(kMostWaiting) +
                                   " masks waiting for an answer: answer one of them first");
  }
}

void WebDesk::answer(const std::string& id, const AnswerRequest& answer) {
  WebMask& target = mask(id);
  if (!target.answer(answer)) throw WebRequestError(409, "the mask waits for no such answer");
  if (!target.context().suspended()) return;
  try {
    resume(target);
  } catch (const std::exception& error) {
    target.logFault(error.what());
  }
  target.takeWaitRefused();  // a later box it could not show is in its log
  settle(id);
}

void WebDesk::release(const std::string& id) {
  const auto found = masks_.find(id);
  if (found == masks_.end()) return;
  WebMask& target = *found->second;
  target.abandon();
  // A waiting instance is resumed so that its handler returns: its box is answered as
  // cancelled, and so is every later one. Inside a context nothing switches; the instance
  // goes once that context gives the thread back.
  if (target.context().suspended() && MaskContext::current() == nullptr) {
    try {
      resume(target);
    } catch (const std::exception&) {
      // Its page is gone: nobody would read of the failure.
    }
  }
  if (!target.context().busy() && MaskContext::current() == nullptr) destroy(id);
}

void WebDesk::destroy(const std::string& id) {
  const auto found = masks_.find(id);
  if (found == masks_.end()) return;
  std::unique_ptr<WebMask> gone = std::move(found->second);
  masks_.erase(found);
  gone.reset();
  installServices();
  std::erase_if(documents_, [&id](const auto& entry) { return entry.second.instance == id; });
}

void WebDesk::destroyAbandoned() {
  if (MaskContext::current() != nullptr) return;
  std::vector<std::string> gone;
  for (const auto& [id, mask] : masks_) {
    if (mask->abandoned() && !mask->context().busy()) gone.push_back(id);
  }
  for (const std::string& id : gone) destroy(id);
}

void WebDesk::releaseUnwatched() {
  std::vector<std::string> unwatched;
  for (const auto& [id, mask] : masks_) {
    if (mask->channel()->unwatchedFor() >= grace_) unwatched.push_back(id);
  }
  for (const std::string& id : unwatched) release(id);
}

void WebDesk::releaseAll() {
  std::vector<std::string> ids;
  for (const auto& [id, mask] : masks_) ids.push_back(id);
  for (const std::string& id : ids) release(id);
  documents_.clear();
}

// Documents the masks open.

std::optional<std::string> WebDesk::publishDocument(const WebMask& mask, std::string_view target) {
  Document document;
  document.instance = mask.id();
  if (target.starts_with("http://") || target.starts_with("https://")) {
    document.address = std::string(target);
  } else {
    std::error_code error;
    const std::filesystem::path file =
        std::filesystem::weakly_canonical(resolvePath(target), error);
    const std::filesystem::path folder = std::filesystem::weakly_canonical(home(), error);
    if (error || !isInside(file, folder) || !std::filesystem::is_regular_file(file, error)) {
      return std::nullopt;
    }
    document.file = file;
  }
  std::string token = randomToken();
  while (documents_.contains(token)) token = randomToken();
  documents_[token] = std::move(document);
  return "/open/" + token;
}

std::optional<WebDesk::Document> WebDesk::document(const std::string& token) const {
  const auto found = documents_.find(token);
  if (found == documents_.end()) return std::nullopt;
  return found->second;
}

// The desktop's services.

WebMask* WebDesk::ownerOf(const Window* window) {
  for (const auto& [id, mask] : masks_) {
    if (mask->owns(window)) return mask.get();
  }
  return nullptr;
}

// A box whose owner is a window of another instance than the one whose context runs (a
// handler of one mask reached into another's windows) is still shown by the running one: only
// its context can wait, and its page is the one the agent acts in.
int WebDesk::messageBox(Window* owner, std::string_view text, std::string_view caption,
                        UINT style) {
  WebMask* mask = acting_;
  if (mask == nullptr || mask->abandoned()) return cancelButton(style);
  return mask->container().messageBox(owner, text, caption, style);
}

std::optional<std::vector<std::string>> WebDesk::modalDialog(std::string_view kind, Window* owner) {
  WebMask* mask = acting_;
  if (mask == nullptr || mask->abandoned()) return std::nullopt;
  mask->showsDialogOf(owner);
  return mask->container().modalDialog(kind, owner);
}

void WebDesk::runPicker(std::string_view kind, Window& dialog, IDispatch& control) {
  WebMask* mask = acting_;
  if (mask == nullptr || mask->abandoned()) {
    answerPicker(control, std::nullopt);
    return;
  }
  mask->container().runPicker(kind, dialog, control);
}

void WebDesk::shellOpen(std::string_view target) {
  if (acting_ != nullptr) acting_->container().shellOpen(target);
}

void WebDesk::onLog(std::string_view module, std::string_view operation, std::string_view text) {
  if (acting_ != nullptr) acting_->container().onLog(module, operation, text);
}

void WebDesk::onRequest(std::string_view name) {
  if (acting_ != nullptr) acting_->container().onRequest(name);
}

}  // namespace desk
