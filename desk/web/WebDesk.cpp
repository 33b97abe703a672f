#include "desk/web/WebDesk.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

#include "desk/container/ClassResolver.h"
#include "desk/container/TextEncoding.h"
#include "desk/controls/PickerControls.h"
#include "desk/home/DeskHome.h"
#include "framework/services/TorvanArch.h"
#include "platform/com/ComPtr.h"
#include "platform/files/PathResolver.h"

namespace desk {

using namespace platform;
using nlohmann::json;

namespace {

constexpr std::string_view kKeyLanguage = "KEY";

std::string newInstanceId() {
  static std::random_device device;
  static std::mt19937_64 generator(device());
  constexpr char kDigits[] = "0123456789abcdef";
  std::string id;
  for (std::uint64_t bits = generator(), count = 0; count < 16; ++count, bits >>= 4) {
    id.push_back(kDigits[bits & 0xF]);
  }
  return id;
}

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
  if (!previewShown_ || busy_.contains(id) || mask.waiting()) return;
  mask.lastPreview = std::chrono::steady_clock::now();
  mask.updatePreview();
  mask.publish();
}

// Instances.

std::string WebDesk::openMask(const typelib::ClassDescription& description) {
  std::string id = newInstanceId();
  while (masks_.contains(id)) id = newInstanceId();
  std::unique_ptr<WebMask> mask;
  try {
    mask = std::make_unique<WebMask>(*this, id, moduleFor(description), description);
  } catch (const std::exception& error) {
    installServices();
    throw WebRequestError(500, error.what());
  }
  installServices();
  WebMask& created = *mask;
  masks_.emplace(id, std::move(mask));
  try {
    act(id, [](WebMask& opened) { opened.dialog().send(WM_SHOWWINDOW, 1); });
  } catch (const WebRequestError&) {
    if (created.abandoned()) throw;
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

void WebDesk::runAs(WebMask& mask, const std::function<void()>& work) {
  WebMask* previous = acting_;
  acting_ = &mask;
  ++busy_[mask.id()];
  struct Restore {
    WebDesk& desk;
    WebMask* previous;
    std::string id;
    ~Restore() {
      desk.acting_ = previous;
      if (--desk.busy_[id] == 0) desk.busy_.erase(id);
    }
  } restore{*this, previous, mask.id()};
  work();
  desktop().pumpMessages();
}

void WebDesk::act(const std::string& id, const std::function<void(WebMask&)>& action) {
  WebMask& target = mask(id);
  if (target.waiting()) throw WebRequestError(409, "the mask waits for an answer");
  std::exception_ptr failure;
  runAs(target, [&] {
    try {
      target.restoreFocus();
      action(target);
    } catch (...) {
      failure = std::current_exception();
    }
  });
  if (masks_.contains(id)) {
    if (target.abandoned() && !busy_.contains(id)) {
      destroy(id);
    } else {
      target.actionDone();
      schedulePreview(target);
    }
  }
  destroyAbandoned();
  // An action may change another instance too (the focus it took away): every page shows the
  // truth; an unchanged state is not sent again.
  for (const auto& [otherId, other] : masks_) {
    if (otherId != id && !busy_.contains(otherId)) other->publish();
  }
  if (failure) std::rethrow_exception(failure);
}

void WebDesk::answer(const std::string& id, const AnswerRequest& answer) {
  WebMask& target = mask(id);
  if (!target.answer(answer)) throw WebRequestError(409, "the mask waits for no such answer");
}

void WebDesk::release(const std::string& id) {
  const auto found = masks_.find(id);
  if (found == masks_.end()) return;
  found->second->abandon();
  if (!busy_.contains(id)) destroy(id);
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
  std::vector<std::string> gone;
  for (const auto& [id, mask] : masks_) {
    if (mask->abandoned() && !busy_.contains(id)) gone.push_back(id);
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
  const std::string token = std::to_string(nextToken_++);
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
  return acting_;
}

int WebDesk::messageBox(Window* owner, std::string_view text, std::string_view caption,
                        UINT style) {
  WebMask* mask = ownerOf(owner);
  if (mask == nullptr || mask->abandoned()) return IDOK;
  return mask->container().messageBox(owner, text, caption, style);
}

std::optional<std::vector<std::string>> WebDesk::modalDialog(std::string_view kind, Window* owner) {
  WebMask* mask = ownerOf(owner);
  if (mask == nullptr || mask->abandoned()) return std::nullopt;
  mask->showsDialogOf(owner);
  return mask->container().modalDialog(kind, owner);
}

void WebDesk::runPicker(std::string_view kind, Window& dialog, IDispatch& control) {
  WebMask* mask = ownerOf(&dialog);
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
