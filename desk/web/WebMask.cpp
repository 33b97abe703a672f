#include "desk/web/WebMask.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "desk/container/DialogAnswers.h"
#include "desk/container/TextEncoding.h"
#include "desk/services/Whiteboard.h"
#include "desk/web/WebDesk.h"
#include "desk/web/WindowState.h"
#include "platform/window/Desktop.h"

namespace desk {

using namespace platform;
using nlohmann::json;

namespace {

// The page keeps the newest entries of a long session.
constexpr std::size_t kKeptEntries = 500;

// The key the masks guard their whiteboard sections with: theirs, never shown on the page.
constexpr std::string_view kGuardKey = "SHARKDOLPHIN";

bool isGuardKey(std::string_view key) {
  return std::ranges::equal(key, kGuardKey, [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == b;
  });
}

// What the page calls a code table or an opened file: its name, never where the desk keeps it.
std::string shownName(std::string_view path) {
  if (path.find("://") != std::string_view::npos) return std::string(path);  // an address
  return std::filesystem::path(path).filename().string();
}

std::string tableName(std::string_view path) {
  return std::filesystem::path(path).stem().string();
}

using Sections = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

// One read of the file, parsed once; sections and keys without regard to letter case, as the
// masks' own reads see them.
Sections readWhiteboard() {
  Sections sections;
  for (IniSection& section : whiteboardSections()) {
    sections.emplace(std::move(section.name), std::move(section.entries));
  }
  return sections;
}

json utf8Pairs(const std::vector<std::pair<std::string, std::string>>& pairs) {
  json entries = json::array();
  for (const auto& [key, value] : pairs) {
    if (isGuardKey(key)) continue;
    entries.push_back({utf8FromLatin1(key), utf8FromLatin1(value)});
  }
  return entries;
}

}  // namespace

int cancelButton(UINT style) {
  constexpr UINT kTypeMask = 0xF;  // the buttons: OK alone is 0
  return (style & kTypeMask) == 0 ? IDOK : IDCANCEL;
}

WebMask::WebMask(WebDesk& desk, std::string id, const ModuleLoader& module,
                 const typelib::ClassDescription& description, std::optional<std::string> language)
    : desk_(desk),
      id_(std::move(id)),
      language_(std::move(language)),
      whiteboardBefore_(readWhiteboard()) {
  const CurrentLanguageScope scope(&language_);
  container_ = std::make_unique<Container>(module, description, *this, *this);
  // The simulated host answers the preview's host entries as it answers the mask's own.
  container_->setPreviewHost(
      [&host = desk_.host()](std::string_view entry) { return host.commandReply(entry); });
}

WebMask::~WebMask() {
  {
    // The mask gives back the language it loaded in its own scope.
    const CurrentLanguageScope scope(&language_);
    container_.reset();
  }
  channel_->close();
}

bool WebMask::owns(const Window* window) const {
  if (window == nullptr) return false;
  const Window* dialog = container_->mask().window();
  for (; window != nullptr; window = window->parent()) {
    if (window == dialog) return true;
  }
  return false;
}

void WebMask::rememberFocus() {
  if (owns(desktop().focus())) focus_ = WindowRef(*desktop().focus());
}

void WebMask::restoreFocus() {
  if (owns(desktop().focus())) return;
  Window* remembered = focus_.get();
  if (remembered != nullptr && owns(remembered)) desktop().setFocus(remembered);
}

void WebMask::pointerOver(Window* control) {
  pointer_ = control != nullptr ? WindowRef(*control) : WindowRef();
}

// What the page shows.

void WebMask::addLog(json entry) {
  log_.push_back(std::move(entry));
  if (log_.size() > kKeptEntries) {
    log_.pop_front();
    ++logStart_;
  }
}

void WebMask::addHostLine(std::string direction, std::string text) {
  host_.push_back({{"direction", std::move(direction)}, {"text", std::move(text)}});
  if (host_.size() > kKeptEntries) {
    host_.pop_front();
    ++hostStart_;
  }
}

json WebMask::state() {
  rememberFocus();
  Window* window = container_->mask().window();
  return {{"instance", id_},
          {"className", description().name},
          {"dialog",
           window != nullptr ? dialogState(*window, focus_.get(), pointer_.get()) : json(nullptr)},
          {"modal", modal_.value_or(nullptr)},
          {"log", {{"start", logStart_}, {"entries", log_}}},
          {"host", {{"start", hostStart_}, {"lines", host_}}},
          {"whiteboard", whiteboardView_},
          {"preview", preview_}};
}

// The drive's form (previewJson), or {"error": ...} when the preview cannot be computed.
void WebMask::updatePreview() {
  ++previewsComputed;
  previewedDialog_ = dialogJson();
  json shown;
  try {
    shown = previewJson<json>(container_->preview());
  } catch (const std::exception& error) {
    shown = {{"error", error.what()}};
  }
  preview_ = std::move(shown);
}

void WebMask::publish() {
  std::string state = this->state().dump(-1, ' ', false, json::error_handler_t::replace);
  if (state == published_) return;  // the page shows this already
  published_ = state;
  channel_->publish(std::move(state));
}

std::string WebMask::dialogJson() {
  Window* window = container_->mask().window();
  if (window == nullptr) return {};
  return dialogState(*window, nullptr, nullptr)
      .dump(-1, ' ', false, json::error_handler_t::replace);
}

void WebMask::sendStarts() {
  sendRunning_ = true;
  sendOutcome_.reset();
}

bool WebMask::previewOutdated() {
  return preview_.is_null() || dialogJson() != previewedDialog_;
}

void WebMask::showSendOutcome(json outcome) {
  if (!sendRunning_ || sendOutcome_) return;
  outcome["sent"] = true;
  sendOutcome_ = outcome;
  if (!preview_.is_null()) preview_ = std::move(outcome);
}

void WebMask::actionDone() {
  waitingNotice_ = nullptr;
  if (sendRunning_) {
    // Send's own outcome stands on the line, for the dialog as Send left it; a fault names the
    // control that got the cursor.
    sendRunning_ = false;
    if (!preview_.is_null()) {
      json outcome = sendOutcome_.value_or(json{{"sent", true}});
      if (outcome.contains("fault")) {
        Window* focus = desktop().focus();
        outcome["fault"]["control"] = focus != nullptr && owns(focus) ? json(focus->id()) : json();
      }
      preview_ = std::move(outcome);
      previewedDialog_ = dialogJson();
    }
    sendOutcome_.reset();
  } else if (preview_.is_object() && previewOutdated()) {
    preview_["pending"] = true;  // the page shows the line as being computed anew
  }
  if (sent_) followWhiteboard();
  sent_ = false;
  publish();
}

// The sections a Send changed are this mask's; they are shown from then on, as they are after
// each Send.
void WebMask::followWhiteboard() {
  Sections now = readWhiteboard();
  for (const auto& [name, entries] : now) {
    const auto before = whiteboardBefore_.find(name);
    if (before == whiteboardBefore_.end() || before->second != entries) sections_.insert(name);
  }
  whiteboardView_ = json::array();
  for (const std::string& section : sections_) {
    const auto found = now.find(section);
    whiteboardView_.push_back(
        {{"section", utf8FromLatin1(section)},
         {"entries", utf8Pairs(found != now.end() ? found->second : Sections::mapped_type{})}});
  }
  whiteboardBefore_ = std::move(now);
}

// What the mask does.

// Records an entry sent to the host in the desk's journal; its id, or nothing without one.
std::optional<std::int64_t> WebMask::journal(std::string_view event, std::string_view command) {
  Journal* journal = desk_.journal();
  if (journal == nullptr) return std::nullopt;
  try {
    return journal->add(event, description().name, id_, command);
  } catch (const JournalError& error) {
    addLog({{"type", "log"}, {"module", "desk"}, {"operation", "journal"}, {"text", error.what()}});
    return std::nullopt;
  }
}

void WebMask::journalAnswer(std::optional<std::int64_t> entry, std::string_view answer) {
  if (!entry || desk_.journal() == nullptr) return;
  try {
    desk_.journal()->setAnswer(*entry, answer);
  } catch (const JournalError& error) {
    addLog({{"type", "log"}, {"module", "desk"}, {"operation", "journal"}, {"text", error.what()}});
  }
}

void WebMask::eventFired(std::string_view name, const std::vector<std::string>& arguments) {
  addLog({{"type", "event"}, {"name", name}, {"args", arguments}});
  SimulatedHost& host = desk_.host();
  if (name == "Send" || name == "SendCommand") {
    showSendOutcome(name == "Send" ? json{{"command", arguments.empty() ? "" : arguments[0]}}
                                   : json{{"request", arguments.empty() ? "" : arguments[0]}});
  } else if (name == "SendTo" && arguments.size() == 3) {
    showSendOutcome({{"request", arguments[0] + " " + arguments[1] + " " + arguments[2]}});
  }
  if (name == "Send") {
    sent_ = true;
    for (const std::string& command : arguments) {
      addHostLine("in", command);
      journal(name, command);
    }
  } else if (name == "SendCommand" && !arguments.empty()) {
    addHostLine("in", arguments[0]);
    const auto entry = journal(name, arguments[0]);
    if (auto reply = host.commandReply(arguments[0])) {
      journalAnswer(entry, *reply);
      addHostLine("out", *reply);
      replyLater("SetResponse", {*reply});
    } else {
      addHostLine("note", "the host has no answer to this entry");
    }
  } else if (name == "OnEvent" && arguments.size() == 2) {
    addHostLine("in", "OnEvent " + arguments[0] + " " + arguments[1]);
    if (arguments[0] != "Run") return;
    if (auto reply = host.runReply(arguments[1])) {
      addHostLine("out", *reply);
      replyLater("SetResponse", {*reply});
    }
  } else if (name == "SendTo" && arguments.size() == 3) {
    addHostLine("in", "SendTo " + arguments[0] + " " + arguments[1] + " " + arguments[2]);
    const auto entry = journal(name, arguments[2]);
    if (auto record = host.backOfficeReply(arguments[0], arguments[1], arguments[2])) {
      while (!record->empty() && (record->back() == '\n' || record->back() == '\r')) {
        record->pop_back();
      }
      journalAnswer(entry, *record);
      addHostLine("out", "receivedFrom " + arguments[1] + " " + arguments[0] + " " + *record);
      replyLater("receivedFrom", {arguments[1], arguments[0], *record});
    }
  } else if (name == "Cancel") {
    addHostLine("note", "the agent cancelled the mask");
  }
}

void WebMask::requested(std::string_view name) {
  addLog({{"type", "request"}, {"name", name}});
  addHostLine("in", std::string(name));
  if (auto reply = desk_.host().requestReply(name)) {
    addHostLine("out", *reply);
    replyLater("SetResponse", {*reply});
  }
}

// A reply that arrives while the mask waits on a message box or picker is handed over once
// that is answered, as the host's answer would wait in the desktop's queue.
void WebMask::replyLater(std::string member, std::vector<std::string> arguments) {
  const std::string id = id_;
  WebDesk& desk = desk_;
  try {
    desk_.ui().post([&desk, id, member = std::move(member), arguments = std::move(arguments)] {
      try {
        WebMask& mask = desk.mask(id);
        if (mask.waiting()) {
          mask.deferredReplies_.emplace_back(member, arguments);
          return;
        }
        // The handler may wait on a box: the reply stays with it, not with this task.
        desk.deliver(id, [member, arguments](WebMask& target) {
          target.container().call(member, arguments);
        });
      } catch (const std::exception&) {
        // The instance went away: the reply is not wanted any more.
      }
    });
  } catch (const UiThreadStopped&) {
    // The desk is shutting down: no reply comes any more.
  }
}

void WebMask::messageBoxShown(const MessageBoxRequest& box) {
  showSendOutcome({{"fault", {{"control", nullptr}, {"text", box.text}}}});
  addLog({{"type", "msgbox"}, {"text", box.text}, {"caption", box.caption}, {"style", box.style}});
}

void WebMask::messageBoxClosed(const MessageBoxRequest&, int) {}

void WebMask::modalDialogOpened(DialogKind kind) {
  addLog({{"type", "dialog"}, {"kind", dialogKindName(kind)}});
}

void WebMask::modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) {
  json entry{{"type", "answer"}, {"kind", dialogKindName(kind)}};
  if (!answer || answer->cancelled) {
    entry["cancelled"] = true;
  } else {
    entry["words"] = answer->words;
  }
  addLog(std::move(entry));
}

void WebMask::shellOpened(std::string_view target) {
  json entry{{"type", "open"}, {"target", shownName(target)}};
  if (auto address = desk_.publishDocument(*this, target)) entry["href"] = *address;
  addLog(std::move(entry));
}

void WebMask::logged(const LogLine& line) {
  addLog({{"type", "log"},
          {"module", line.module},
          {"operation", line.operation},
          {"text", line.text}});
}

void WebMask::callReturned(const CallResult& call) {
  if (call.result == S_OK) return;
  addLog({{"type", "result"}, {"member", call.member}, {"result", hresultToString(call.result)}});
}

// Waiting for the page.

// The instance's context is suspended until the page answers (or the instance is released);
// the UI thread serves other requests meanwhile. A box that cannot wait is cancelled at once:
// one of a released instance, one shown outside the instance's own context (it cannot suspend
// another's), and one past the number of instances the desk lets wait at once.
json WebMask::waitForAnswer(json modal) {
  const json cancelled{{"cancel", true}};
  if (abandoned_ || MaskContext::current() != &context_) return cancelled;
  if (desk_.waitingCount() >= WebDesk::kMostWaiting) {
    waitRefused_ = true;
    addLog({{"type", "log"},
            {"module", "Quillet desk"},
            {"operation", modal.value("kind", "")},
            {"text", "not shown and cancelled: " + std::to_string(WebDesk::kMostWaiting) +
                         " masks wait for an answer already"}});
    return cancelled;
  }
  modal["serial"] = ++modalSerial_;
  modal_ = std::move(modal);
  modalAnswer_.reset();
  publish();
  if (auto notice = std::exchange(waitingNotice_, nullptr)) notice();
  while (!modalAnswer_ && !abandoned_) context_.suspend();
  json answer = modalAnswer_.value_or(cancelled);
  modal_.reset();
  modalAnswer_.reset();
  for (auto& [member, arguments] : std::exchange(deferredReplies_, {})) {
    replyLater(std::move(member), std::move(arguments));
  }
  return answer;
}

int WebMask::answerMessageBox(const MessageBoxRequest& box) {
  const json answer = waitForAnswer(
      {{"kind", "msgbox"}, {"text", box.text}, {"caption", box.caption}, {"style", box.style}});
  if (answer.contains("button") && answer["button"].is_number_integer()) {
    return answer["button"].get<int>();
  }
  return cancelButton(box.style);
}

std::optional<ModalAnswer> WebMask::answerModalDialog(DialogKind kind) {
  json modal{{"kind", dialogKindName(kind)}};
  Window* owner = std::exchange(dialogOwner_, nullptr);
  if (owner != nullptr && owner != container_->mask().window() && !owner->children().empty()) {
    json lines = json::array();
    json entries = json::array();
    for (const auto& child : owner->children()) {
      if (child->windowClass() == WindowClass::Static && child->isVisible()) {
        lines.push_back(utf8FromLatin1(child->text()));
      }
      if (entries.empty()) {
        for (const ListEntry& entry : child->entries()) {
          entries.push_back(utf8FromLatin1(entry.text));
        }
      }
    }
    modal["caption"] = utf8FromLatin1(owner->text());
    modal["lines"] = std::move(lines);
    if (kind == DialogKind::FrequentFlyer) modal["cards"] = std::move(entries);
  }
  // The code lookup shows the table its field opened it with.
  if (const CodeList* table = container_->openCodeTable(); table != nullptr && kind == DialogKind::Coder) {
    modal["table"] = utf8FromLatin1(tableName(table->path()));
    modal["entries"] = table->entries().size();
    // The lookup's status names the table, not where the desk keeps it.
    std::string status = table->statusText();
    if (const auto at = status.find(table->path());
        !table->path().empty() && at != std::string::npos) {
      status.replace(at, table->path().size(), tableName(table->path()));
    }
    modal["status"] = utf8FromLatin1(status);
  }
  const json answer = waitForAnswer(std::move(modal));
  if (!answer.contains("words")) return ModalAnswer{true, {}};
  return ModalAnswer{false, answer["words"].get<std::vector<std::string>>()};
}

json WebMask::searchCodes(std::string_view text, std::size_t limit) const {
  const CodeList* table = container_->openCodeTable();
  if (table == nullptr) throw WebRequestError(409, "the mask shows no code lookup");
  json entries = json::array();
  for (const CodeEntry* entry : table->search(latin1FromUtf8(text))) {
    if (entries.size() == limit) break;
    entries.push_back({utf8FromLatin1(entry->code), utf8FromLatin1(entry->description)});
  }
  return {{"table", utf8FromLatin1(tableName(table->path()))}, {"entries", std::move(entries)}};
}

bool WebMask::answer(const AnswerRequest& answer) {
  if (!modal_ || modalAnswer_) return false;
  if (answer.serial && json(*answer.serial) != (*modal_)["serial"]) return false;
  if ((*modal_)["kind"] == "msgbox") {
    if (!answer.button) return false;
    modalAnswer_ = json{{"button", *answer.button}};
    return true;
  }
  if (answer.cancel) {
    modalAnswer_ = json{{"cancel", true}};
    return true;
  }
  if (!answer.words) return false;
  const std::optional<DialogKind> kind = dialogKindNamed((*modal_)["kind"].get<std::string>());
  if (!kind) return false;
  if (auto fault = answerFault(*kind, *answer.words)) throw WebRequestError(400, *fault);
  modalAnswer_ = json{{"words", *answer.words}};
  return true;
}

void WebMask::abandon() {
  abandoned_ = true;
}

void WebMask::logFault(std::string_view text) {
  addLog({{"type", "log"}, {"module", "Quillet desk"}, {"operation", "fault"}, {"text", text}});
  publish();
}

}  // namespace desk
