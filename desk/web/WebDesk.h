#pragma once
// The web desk on its UI thread: the mask instances the pages have open, the simulated host
// and desktop behind them, and the desktop's container services routed to the instance they
// concern. Every member is called on the UI thread (WebServer hands requests over), outside
// the instances' contexts.
//
// Each instance runs its handlers in its own context (MaskContext). A message box or picker
// suspends only that context: the UI thread goes on serving the other instances, and the
// instance goes on as soon as its own box is answered, whatever the order of the answers.
// Before an instance runs, it is activated as a click on an inactive window activates it in a
// desktop: the control of another instance that had the focus loses it (in that instance's
// context), and the instance's own control gets it back. An instance is destroyed only when
// none of its handlers is running or suspended.

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "desk/container/ModuleLoader.h"
#include "desk/state/DeskObserver.h"
#include "desk/web/Journal.h"
#include "desk/web/SimulatedHost.h"
#include "desk/web/UiThread.h"
#include "desk/web/WebMask.h"
#include "desk/web/WebRequests.h"
#include "platform/window/Desktop.h"

namespace desk {

class WebDesk final : public platform::ContainerServices, public DeskObserver {
 public:
  // module: the module beside the program, which serves the classes the desk's registry does
  // not name; a class registered there is created from the module its registration names.
  // grace: how long an instance lives on after its page stopped reading it.
  WebDesk(const ModuleLoader& module, UiThread& ui, std::chrono::milliseconds grace);
  ~WebDesk() override;

  UiThread& ui() { return ui_; }
  // Whether every module the desk loaded through the registry allows unloading now.
  bool registeredModulesCanUnload() const;
  SimulatedHost& host() { return *host_; }
  // The journal of the entries sent to the host; null when it could not be opened (the desk
  // said why on its error output and works on without it).
  Journal* journal() { return journal_.get(); }

  // The classes the desk serves (found through the registry, or in the module beside the
  // program), in the order of the object map.
  const std::vector<const typelib::ClassDescription*>& servedClasses() const { return served_; }
  const typelib::ClassDescription* findServedClass(std::string_view name) const;
  // The shipped languages of the home and the pseudo-language KEY.
  std::vector<std::string> languages() const;
  std::string language() const;
  // Throws WebRequestError for a language the desk does not ship.
  void setLanguage(std::string_view language);
  // Throws WebRequestError for an unknown demo PNR.
  void openPnr(std::string_view name);
  // Whether the agent's customer profiles come from the back office (the simulated one of the
  // host folder) rather than DOSS: the user's switches that the creation masks read when they
  // open.
  bool backOffice() const;
  void useBackOffice(bool on);
  nlohmann::json deskState() const;
  // The preview of Send beside each mask (on at start); while it is off none is computed.
  bool previewShown() const { return previewShown_; }
  void showPreview(bool shown);
  // Computes the instance's preview soon, as its own task on the UI thread, so that no action
  // or page waits for it: at most one every kPreviewInterval per instance, the last one after
  // the agent's last change.
  void schedulePreview(WebMask& mask);
  static constexpr std::chrono::milliseconds kPreviewInterval{30};

  // The most instances that wait on a message box or picker at once; a box past them is
  // cancelled and its action answered WebRequestError 503.
  static constexpr std::size_t kMostWaiting = 64;

  // A new instance of the class, activated and shown; its id. The class is found through the
  // registry as it stands now. language: a language of languages() that this instance alone
  // reads (the desk's stays as it is); WebRequestError 400 for one the desk does not ship.
  std::string openMask(const typelib::ClassDescription& description,
                       std::optional<std::string> language = std::nullopt);
  // The instance, or WebRequestError 404.
  WebMask& mask(const std::string& id);
  // Runs an action of the page in the instance's context, as that instance: it is activated
  // first, its posted messages are delivered after the action, and the page gets the new
  // state. Returns when the action is done or when the instance waits on a message box or
  // picker (the page answers that through answer()); the action is kept until it returns, and
  // what it refers to must live as long. An instance that waits takes no other action
  // (WebRequestError 409); a box past kMostWaiting is cancelled (WebRequestError 503).
  void act(const std::string& id, const std::function<void(WebMask&)>& action);
  // Runs work in the instance's context as act() does, without activating it: what comes to
  // the instance without the agent acting there (the host's replies).
  void deliver(const std::string& id, const std::function<void(WebMask&)>& work);
  // The page's answer to what the instance waits on: the instance goes on at once, until its
  // handler returns or waits again.
  void answer(const std::string& id, const AnswerRequest& answer);
  // Releases the instance: what it waits on is cancelled and its handler runs to its end
  // (later boxes cancelled at once), then it is destroyed.
  void release(const std::string& id);
  // Releases instances whose pages have not read them for the grace period.
  void releaseUnwatched();
  void releaseAll();
  std::size_t instanceCount() const { return masks_.size(); }
  // The instances that wait on a message box or picker now.
  std::size_t waitingCount() const;
  // A document the mask asked the shell to open, as an address of the desk ("/open/N"); or
  // nothing when it is neither a file in the home nor a web address.
  std::optional<std::string> publishDocument(const WebMask& mask, std::string_view target);
  struct Document {
    std::filesystem::path file;  // a file in the home, or
    std::string address;         // a web address
    std::string instance;        // the instance that opened it; it lives as long
  };
  std::optional<Document> document(const std::string& token) const;

  // platform::ContainerServices, routed to the instance whose context runs: its page shows
  // the box or picker and its context waits. Outside every context nothing can wait: a box is
  // answered with its cancel button and a picker cancelled.
  int messageBox(platform::Window* owner, std::string_view text, std::string_view caption,
                 UINT style) override;
  std::optional<std::vector<std::string>> modalDialog(std::string_view kind,
                                                      platform::Window* owner) override;
  void shellOpen(std::string_view target) override;
  // A calendar or code lookup opened by the instance's field: the page answers it.
  void runPicker(std::string_view kind, platform::Window& dialog, IDispatch& control) override;
  // DeskObserver, routed to the instance whose context runs.
  void onLog(std::string_view module, std::string_view operation, std::string_view text) override;
  void onRequest(std::string_view name) override;

 private:
  // The instance that window belongs to, or null.
  WebMask* ownerOf(const platform::Window* window);
  // act() and deliver().
  void run(const std::string& id, const std::function<void(WebMask&)>& action, bool activate);
  // Runs work in the instance's context, or resumes its suspended work (activated first).
  void start(WebMask& mask, std::function<void()> work);
  void resume(WebMask& mask);
  // Switches into the instance's context by doSwitch, as the instance (the desktop's services
  // reach it, it reads its own language), and back.
  void switchTo(WebMask& mask, const std::function<void()>& doSwitch);
  // The focus leaves a control of another instance, as it does when a window is activated.
  void deactivateOthers(const WebMask& mask);
  // After the instance's context gave the thread back: a finished instance shows its new
  // state (or goes, when released), a waiting one shows its box.
  void settle(const std::string& id);
  // The module that serves the class: the one its registration names, or the module beside
  // the program when it is not registered. Throws std::runtime_error (see resolveClass).
  const ModuleLoader& moduleFor(const typelib::ClassDescription& description);
  void installServices();
  void openJournal();
  void destroy(const std::string& id);
  void destroyAbandoned();
  void runPreview(const std::string& id);

  const ModuleLoader& module_;
  std::map<std::filesystem::path, std::unique_ptr<ModuleLoader>> registeredModules_;
  UiThread& ui_;
  std::chrono::milliseconds grace_;
  std::unique_ptr<SimulatedHost> host_;
  std::unique_ptr<Journal> journal_;
  std::vector<const typelib::ClassDescription*> served_;
  std::map<std::string, std::unique_ptr<WebMask>> masks_;
  WebMask* acting_ = nullptr;  // the instance whose context runs
  std::map<std::string, Document> documents_;
  bool previewShown_ = true;
};

}  // namespace desk
