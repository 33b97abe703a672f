#pragma once
// The scripted container: it hosts one mask, runs a script of agent actions and container
// calls against it, and prints what the mask does that a container or an agent can observe.

#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <string>

#include "desk/container/MaskHost.h"
#include "desk/container/ModuleLoader.h"
#include "desk/drive/DriveOutput.h"
#include "desk/drive/ModalAnswers.h"
#include "desk/drive/ScriptLine.h"
#include "desk/state/DeskObserver.h"
#include "platform/window/Desktop.h"

namespace desk {

class DriveSession final : public platform::ContainerServices, public DeskObserver {
 public:
  // scriptFolder: where relative paths of the script start.
  DriveSession(const ModuleLoader& module, const typelib::ClassDescription& description,
               std::filesystem::path scriptFolder, DriveOutput& output);
  ~DriveSession() override;

  // Runs every line; returns the exit status (0 done, 2 a line could not be run, 1 else).
  int run(std::istream& script);

  // What the mask asks of its container and of the desktop.
  int messageBox(platform::Window* owner, std::string_view text, std::string_view caption,
                 UINT style) override;
  std::optional<std::vector<std::string>> modalDialog(std::string_view kind,
                                                      platform::Window* owner) override;
  void shellOpen(std::string_view target) override;
  void onLog(std::string_view module, std::string_view operation, std::string_view text) override;
  void onRequest(std::string_view name) override;

 private:
  using Command = void (DriveSession::*)(ScriptLine& line);

  void runCommand(const std::string& name, ScriptLine& line);
  MaskHost& mask();
  platform::Window& openMask();
  platform::Window& control(ScriptLine& line);
  std::filesystem::path scriptPath(const std::string& path) const;
  std::filesystem::path homePath(const std::string& relativePath) const;
  void reportResult(HRESULT result);
  void printControl(const platform::Window& control);

  void whiteboardValue(ScriptLine& line);
  void queueMessage(ScriptLine& line);
  void homeFile(ScriptLine& line);
  void homeCopy(ScriptLine& line);
  void handover(ScriptLine& line);
  void open(ScriptLine& line);
  void show(ScriptLine& line);
  void type(ScriptLine& line);
  void set(ScriptLine& line);
  void select(ScriptLine& line);
  void click(ScriptLine& line);
  void focus(ScriptLine& line);
  void key(ScriptLine& line);
  void doubleClick(ScriptLine& line);
  void reply(ScriptLine& line);
  void replyFile(ScriptLine& line);
  void received(ScriptLine& line);
  void post(ScriptLine& line);
  void lang(ScriptLine& line);
  void getLang(ScriptLine& line);
  void setText(ScriptLine& line);
  void setNullText(ScriptLine& line);
  void answer(ScriptLine& line);
  void pnrGroup(ScriptLine& line);
  void pnrPassenger(ScriptLine& line);
  void pnrEmail(ScriptLine& line);
  void addPassengerState(ScriptLine& line);
  void addPassengerList(ScriptLine& line);
  void addPassengerMarkers(ScriptLine& line);
  void addPassengerFire(ScriptLine& line);
  void agentProfile(ScriptLine& line);
  void call(ScriptLine& line);
  void dump(ScriptLine& line);
  void where(ScriptLine& line);
  void whiteboardDump(ScriptLine& line);
  void close(ScriptLine& line);

  const ModuleLoader& module_;
  const typelib::ClassDescription& description_;
  std::filesystem::path scriptFolder_;
  DriveOutput& output_;
  std::unique_ptr<platform::Window> containerWindow_;
  std::unique_ptr<MaskHost> mask_;
  ModalAnswers answers_;
  static const std::map<std::string, Command> kCommands;
};

// A fault outside the script's lines: the mask or the module failed (exit status 1).
class DriveFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace desk
