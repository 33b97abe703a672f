#pragma once
// The scripted container's interpreter: it runs a script of agent actions, presets and
// container calls against the mask that its container core hosts. The core reports what the
// mask does to the drive's output and has the script's queued answers answer its dialogs.

#include <filesystem>
#include <istream>
#include <map>
#include <string>

#include "desk/container/Container.h"
#include "desk/drive/DriveOutput.h"
#include "desk/drive/ModalAnswers.h"
#include "desk/drive/ScriptLine.h"

namespace desk {

class DriveSession final {
 public:
  // scriptFolder: where relative paths of the script start. Throws ContainerFailure when the
  // mask cannot be created.
  DriveSession(const ModuleLoader& module, const typelib::ClassDescription& description,
               std::filesystem::path scriptFolder, DriveOutput& output);

  // Runs every line; returns the exit status (0 done, 2 a line could not be run, 1 else).
  int run(std::istream& script);

 private:
  using Command = void (DriveSession::*)(ScriptLine& line);

  void runCommand(const std::string& name, ScriptLine& line);
  platform::Window& control(ScriptLine& line);
  std::filesystem::path scriptPath(const std::string& path) const;
  std::filesystem::path homePath(const std::string& relativePath) const;
  void printControl(platform::Window& control);

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
  void hostedFire(ScriptLine& line);
  void hostedDump(ScriptLine& line);
  void agentProfile(ScriptLine& line);
  void call(ScriptLine& line);
  void dump(ScriptLine& line);
  void where(ScriptLine& line);
  void whiteboardDump(ScriptLine& line);
  void preview(ScriptLine& line);
  void close(ScriptLine& line);

  std::filesystem::path scriptFolder_;
  DriveOutput& output_;
  ModalAnswers answers_;
  Container container_;
  static const std::map<std::string, Command> kCommands;
};

}  // namespace desk
