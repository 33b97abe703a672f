#pragma once
// The core of every container: it hosts one mask created through the module, owns the window
// the mask's dialog lives in, offers the mask what a container offers (message boxes, modal
// dialogs, the shell's open) and watches what the mask asks of the desktop (log lines,
// requests). Everything observable goes to the front end's listener; message boxes and modal
// dialogs are answered by the front end's answerer.
//
// The desktop has one container at a time: a Container is the desktop's container and
// observer while it lives.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "desk/container/ContainerListener.h"
#include "desk/container/DialogAnswerer.h"
#include "desk/container/MaskHost.h"
#include "desk/container/ModuleLoader.h"
#include "desk/container/Preview.h"
#include "desk/controls/CodeList.h"
#include "desk/state/DeskObserver.h"
#include "platform/window/Desktop.h"
#include "typelib/TypeLibrary.h"

namespace desk {

// The mask or the module failed: the container cannot go on with this mask.
class ContainerFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Container final : public platform::ContainerServices, public DeskObserver {
 public:
  // Creates the mask; throws ContainerFailure when the module cannot create it.
  Container(const ModuleLoader& module, const typelib::ClassDescription& description,
            ContainerListener& listener, DialogAnswerer& answerer);
  ~Container() override;
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  const typelib::ClassDescription& description() const { return description_; }

  // The hosted mask; a released mask is created anew. Throws ContainerFailure.
  MaskHost& mask();
  // Activates the mask when it is not active yet (its window created, its dialog
  // initialised) and returns its dialog. Throws ContainerFailure.
  platform::Window& openMask();
  // Releases the mask; throws ContainerFailure when the module then does not allow
  // unloading.
  void releaseMask();

  // The container's calls of the mask's automation members (texts UTF-8); each result goes
  // to the listener.
  void call(std::string_view method, const std::vector<std::string>& arguments);
  void putLang(std::string_view language);
  std::string getLang();

  // What Send of the mask would do now, computed on a hidden instance in a sandbox (see
  // MaskPreview); activates the mask first. Nothing of it reaches the listener or the answerer,
  // and the mask itself is only read. Throws ContainerFailure.
  PreviewResult preview();
  // The host whose replies the preview gives the hidden instance when its Send asks the host
  // first; without one, a preview stops at the request.
  void setPreviewHost(HostAnswers answers) { previewHost_ = std::move(answers); }

  // platform::ContainerServices: what the mask asks of its container.
  int messageBox(platform::Window* owner, std::string_view text, std::string_view caption,
                 UINT style) override;
  std::optional<std::vector<std::string>> modalDialog(std::string_view kind,
                                                      platform::Window* owner) override;
  void shellOpen(std::string_view target) override;
  // The agent answers a picker through the answerer, like any modal dialog.
  void runPicker(std::string_view kind, platform::Window& dialog, IDispatch& control) override;
  // The code table the open code lookup shows (for a front end to list and search it), or
  // null when no code lookup is open.
  const CodeList* openCodeTable() const;
  // DeskObserver: what the mask asks of the desktop.
  void onLog(std::string_view module, std::string_view operation, std::string_view text) override;
  void onRequest(std::string_view name) override;

 private:
  void report(std::string_view member, HRESULT result, std::optional<std::string> value = {});
  // The answerer's words for the dialog (Latin-1, as the mask reads them); nothing when it is
  // cancelled.
  std::optional<std::vector<std::string>> answerDialog(std::string_view kindName);

  const ModuleLoader& module_;
  const typelib::ClassDescription& description_;
  ContainerListener& listener_;
  DialogAnswerer& answerer_;
  std::unique_ptr<platform::Window> containerWindow_;
  std::unique_ptr<MaskHost> mask_;
  IDispatch* openPicker_ = nullptr;
  MaskPreview preview_;
  HostAnswers previewHost_;
};

}  // namespace desk
