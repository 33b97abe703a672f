#pragma once
// One mask instance of the web desk: the container core hosting the mask, what the page shows
// beside the dialog (the event log, the host pane, the whiteboard section) and the message box
// or picker the mask waits on. It lives on the UI thread, its handlers run in its own context
// (see MaskContext) and read its own language; the page reads it through its state channel and
// acts on it through WebDesk.

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "desk/container/Container.h"
#include "desk/services/LanguageScope.h"
#include "desk/web/MaskContext.h"
#include "desk/web/StateChannel.h"
#include "desk/web/WebRequests.h"
#include "platform/window/WindowRef.h"

namespace desk {

class UiThread;
class WebDesk;

// The button a message box that nobody answers closes with (released with its page, or not
// shown at all): Cancel when the box has more than the OK button, OK when that is all it has.
int cancelButton(UINT style);

class WebMask final : public ContainerListener, public DialogAnswerer {
 public:
  // language: the language the instance reads in place of the desk's; none: the desk's.
  WebMask(WebDesk& desk, std::string id, const ModuleLoader& module,
          const typelib::ClassDescription& description,
          std::optional<std::string> language = std::nullopt);
  ~WebMask() override;

  const std::string& id() const { return id_; }
  const typelib::ClassDescription& description() const { return container_->description(); }
  Container& container() { return *container_; }
  platform::Window& dialog() { return container_->openMask(); }
  const std::shared_ptr<StateChannel>& channel() const { return channel_; }
  // Where the instance's handlers run, and the language they read; WebDesk switches to both.
  MaskContext& context() { return context_; }
  const MaskContext& context() const { return context_; }
  LanguageScope& languageScope() { return language_; }

  // Whether window belongs to this mask's dialog.
  bool owns(const platform::Window* window) const;
  // The control the agent last had the focus on in this mask; the desktop's focus goes back
  // to it when the agent acts on this mask after another one.
  void rememberFocus();
  void restoreFocus();
  // The control the agent's pointer rests on (null: none); the page shows the cursor that
  // control asks for.
  void pointerOver(platform::Window* control);

  // The window a modal dialog the mask opens next is built on: when it is a dialog of its
  // own (the frequent-flyer cards), the page shows its caption, lines and list entries.
  void showsDialogOf(platform::Window* owner) { dialogOwner_ = owner; }
  // A message box or picker the mask waits on.
  bool waiting() const { return modal_.has_value(); }
  // Whether a message box or picker of the last run was not shown because the desk has as
  // many masks waiting as it keeps (it was cancelled instead); the question clears it.
  bool takeWaitRefused() { return std::exchange(waitRefused_, false); }
  // A failure of a handler that went on after the action that started it was answered: the
  // page learns of it through the log.
  void logFault(std::string_view text);
  // Called once when the mask next starts to wait for the page (or dropped when the current
  // action ends without waiting).
  void whenWaiting(std::function<void()> notice) { waitingNotice_ = std::move(notice); }
  // The page's answer: a button for a message box, the words of a picker (nothing: cancel).
  // False when nothing waits or the answer does not fit what waits; WebRequestError 400 when
  // the words do not fit the dialog's kind.
  bool answer(const AnswerRequest& answer);
  // The entries of the open code lookup's table that match text (see CodeList::search), at
  // most limit of them, as [code, description] pairs; WebRequestError 409 when none is open.
  nlohmann::json searchCodes(std::string_view text, std::size_t limit) const;
  // The page went away: what waits is cancelled (WebDesk resumes the handler so that it
  // returns), and every later box or picker is cancelled at once; the desk releases the mask
  // once its handlers have returned.
  void abandon();
  bool abandoned() const { return abandoned_; }

  // After every action: the whiteboard view follows a Send, then the page gets the new state.
  void actionDone();
  void publish();
  nlohmann::json state();

  // The preview line beside the dialog: what Send would do now (see Container::preview), or
  // null while none is computed or the desk hides it. The desk schedules it (WebDesk).
  void updatePreview();
  void clearPreview() {
    preview_ = nullptr;
    previewedDialog_.clear();
  }
  // The agent's action runs the mask's Send (Enter, or the Send button): the line then shows
  // what that Send did, until the agent changes something.
  void sendStarts();
  // Whether the preview needs computing again: a control's state changed since it was last
  // computed, and no Send of the agent's stands on the line.
  bool previewOutdated();
  bool previewScheduled = false;
  std::chrono::steady_clock::time_point lastPreview;
  int previewsComputed = 0;

  // ContainerListener
  void eventFired(std::string_view name, const std::vector<std::string>& arguments) override;
  void messageBoxShown(const MessageBoxRequest& box) override;
  void messageBoxClosed(const MessageBoxRequest& box, int button) override;
  void modalDialogOpened(DialogKind kind) override;
  void modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) override;
  void shellOpened(std::string_view target) override;
  void logged(const LogLine& line) override;
  void requested(std::string_view name) override;
  void callReturned(const CallResult& call) override;

  // DialogAnswerer: the page answers; meanwhile the instance's context is suspended and the
  // UI thread serves other requests.
  int answerMessageBox(const MessageBoxRequest& box) override;
  std::optional<ModalAnswer> answerModalDialog(DialogKind kind) override;

 private:
  void addLog(nlohmann::json entry);
  void addHostLine(std::string direction, std::string text);
  std::optional<std::int64_t> journal(std::string_view event, std::string_view command);
  void journalAnswer(std::optional<std::int64_t> entry, std::string_view answer);
  // The host's answer comes after the handler that asked for it has returned.
  void replyLater(std::string member, std::vector<std::string> arguments);
  nlohmann::json waitForAnswer(nlohmann::json modal);
  void followWhiteboard();
  // The dialog's controls as the page shows them, without focus and pointer: what the preview
  // depends on.
  std::string dialogJson();
  // What the agent's Send did first (a command, a request, a fault), shown on the preview line.
  void showSendOutcome(nlohmann::json outcome);

  WebDesk& desk_;
  std::string id_;
  LanguageScope language_;
  MaskContext context_;
  std::unique_ptr<Container> container_;
  std::shared_ptr<StateChannel> channel_ = std::make_shared<StateChannel>();
  platform::WindowRef focus_;
  platform::WindowRef pointer_;
  platform::Window* dialogOwner_ = nullptr;

  std::deque<nlohmann::json> log_;
  std::size_t logStart_ = 0;  // number of entries dropped from the front
  std::deque<nlohmann::json> host_;
  std::size_t hostStart_ = 0;

  std::optional<nlohmann::json> modal_;
  std::optional<nlohmann::json> modalAnswer_;
  int modalSerial_ = 0;
  bool abandoned_ = false;
  bool waitRefused_ = false;
  std::function<void()> waitingNotice_;
  std::vector<std::pair<std::string, std::vector<std::string>>> deferredReplies_;

  bool sent_ = false;  // a Send since the last action ended
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> whiteboardBefore_;
  std::set<std::string> sections_;  // the whiteboard sections this mask keeps
  nlohmann::json whiteboardView_ = nlohmann::json::array();
  std::string published_;  // the state the page was given last
  nlohmann::json preview_;
  std::string previewedDialog_;                // the dialog's state the preview was computed for
  bool sendRunning_ = false;                   // the current action runs Send
  std::optional<nlohmann::json> sendOutcome_;  // what it did first
};

}  // namespace desk
