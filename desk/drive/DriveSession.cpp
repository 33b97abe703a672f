#include "desk/drive/DriveSession.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "desk/container/AgentControls.h"
#include "desk/container/DeskPresets.h"
#include "desk/container/TextEncoding.h"
#include "desk/controls/AddPaxControl.h"
#include "desk/controls/DialogRequestControl.h"
#include "desk/drive/InputFile.h"
#include "desk/home/DeskHome.h"
#include "desk/services/NamedQueues.h"
#include "desk/services/Whiteboard.h"
#include "desk/state/AddPassengerControl.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "platform/files/PathResolver.h"
#include "platform/window/AgentInput.h"

namespace desk {

using namespace platform;

namespace {

// Mask texts are Latin-1; the script and the output are UTF-8.
std::string maskText(const std::string& scriptText) {
  return latin1FromUtf8(scriptText);
}
std::string outputText(std::string_view maskText) {
  return utf8FromLatin1(maskText);
}

std::vector<std::string> splitAtBars(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<std::string> fields(const std::string& text, std::size_t count, std::string_view form) {
  std::vector<std::string> parts = splitAtBars(text);
  if (parts.size() != count) throw ScriptError("expected " + std::string(form));
  return parts;
}

void writeWholeFile(const std::filesystem::path& path, std::string_view content) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
  if (!file) throw ScriptError("cannot write " + path.string());
}

// The add-passenger control hosted in the dialog, or null.
AddPaxControl* hostedAddPaxControl(const Window& dialog) {
  for (const auto& child : dialog.children()) {
    if (child->hostedControl() == nullptr) continue;
    if (AddPaxControl* control = AddPaxControl::of(*child->hostedControl())) return control;
  }
  return nullptr;
}

// The newest live control of the kind (add passenger, travel policy, traveller profile): the
// control of the dialog of that kind that the mask has made and keeps. Null when there is none.
OutsideControl* hostedDialogControl(DialogKind kind) {
  const std::vector<OutsideControl*>& live = OutsideControl::live();
  for (auto each = live.rbegin(); each != live.rend(); ++each) {
    if (kind == DialogKind::AddPassenger && AddPaxControl::of(**each) != nullptr) return *each;
    const DialogRequestControl* request = DialogRequestControl::of(**each);
    if (request == nullptr) continue;
    if ((kind == DialogKind::TravelPolicy && request->className() == kPolicyControlClass) ||
        (kind == DialogKind::TravellerProfile && request->className() == kDossControlClass)) {
      return *each;
    }
  }
  return nullptr;
}

OutsideControl& openedDialogControl(const std::string& kindName) {
  const std::optional<DialogKind> kind = dialogKindNamed(kindName);
  if (kind != DialogKind::AddPassenger && kind != DialogKind::TravelPolicy &&
      kind != DialogKind::TravellerProfile) {
    throw ScriptError("unknown hosted dialog \"" + kindName + "\" (addpax, policy or doss)");
  }
  OutsideControl* control = hostedDialogControl(*kind);
  if (control == nullptr) throw ScriptError("the mask has not opened its " + kindName + " dialog");
  return *control;
}

std::vector<std::string> eventArguments(const std::string& text) {
  std::vector<std::string> arguments;
  if (text.empty()) return arguments;
  for (const std::string& part : splitAtBars(text)) arguments.push_back(maskText(part));
  return arguments;
}

JsonLine texts(const std::vector<std::string>& each) {
  JsonLine list = JsonLine::array();
  for (const std::string& text : each) list.push_back(outputText(text));
  return list;
}

// What the mask gave an add-passenger control.
JsonLine addPaxReceived(const AddPaxControl& control) {
  const AddPaxControl::Received& received = control.received();
  JsonLine given = JsonLine::object();
  given["mode"] = received.initialMode ? JsonLine(*received.initialMode) : JsonLine();
  given["source"] = received.customerSource ? JsonLine(*received.customerSource) : JsonLine();
  given["texts"] = texts(received.texts);
  given["replies"] = texts(received.replies);
  return given;
}

}  // namespace

const std::map<std::string, DriveSession::Command> DriveSession::kCommands{
    {"wb", &DriveSession::whiteboardValue},
    {"queue", &DriveSession::queueMessage},
    {"home-file", &DriveSession::homeFile},
    {"home-copy", &DriveSession::homeCopy},
    {"handover", &DriveSession::handover},
    {"open", &DriveSession::open},
    {"show", &DriveSession::show},
    {"type", &DriveSession::type},
    {"set", &DriveSession::set},
    {"select", &DriveSession::select},
    {"click", &DriveSession::click},
    {"focus", &DriveSession::focus},
    {"key", &DriveSession::key},
    {"dblclick", &DriveSession::doubleClick},
    {"reply", &DriveSession::reply},
    {"reply-file", &DriveSession::replyFile},
    {"received", &DriveSession::received},
    {"post", &DriveSession::post},
    {"lang", &DriveSession::lang},
    {"getlang", &DriveSession::getLang},
    {"settext", &DriveSession::setText},
    {"settext-null", &DriveSession::setNullText},
    {"answer", &DriveSession::answer},
    {"pnr-group", &DriveSession::pnrGroup},
    {"pnr-pax", &DriveSession::pnrPassenger},
    {"pnr-email", &DriveSession::pnrEmail},
    {"addpax-state", &DriveSession::addPassengerState},
    {"addpax-list", &DriveSession::addPassengerList},
    {"addpax-markers", &DriveSession::addPassengerMarkers},
    {"addpax-fire", &DriveSession::addPassengerFire},
    {"hosted-fire", &DriveSession::hostedFire},
    {"hosted-dump", &DriveSession::hostedDump},
    {"agent-profile", &DriveSession::agentProfile},
    {"call", &DriveSession::call},
    {"dump", &DriveSession::dump},
    {"where", &DriveSession::where},
    {"wbdump", &DriveSession::whiteboardDump},
    {"preview", &DriveSession::preview},
    {"close", &DriveSession::close},
};

DriveSession::DriveSession(const ModuleLoader& module, const typelib::ClassDescription& description,
                           std::filesystem::path scriptFolder, DriveOutput& output)
    : scriptFolder_(std::move(scriptFolder)),
      output_(output),
      container_(module, description, output, answers_) {}

int DriveSession::run(std::istream& script) {
  int number = 0;
  for (std::string text; std::getline(script, text);) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (blank || text.front() == '#') continue;
    try {
      ScriptLine line(text);
      const std::string name = line.word("command");
      runCommand(name, line);
      desktop().pumpMessages();
    } catch (const ScriptError& error) {
      output_.write({{"error", "line " + std::to_string(number) + ": " + error.what()}});
      return 2;
    } catch (const ActionError& error) {
      output_.write({{"error", "line " + std::to_string(number) + ": " + error.what()}});
      return 2;
    } catch (const std::exception& error) {
      output_.write({{"error", "line " + std::to_string(number) + ": " + error.what()}});
      return 1;
    }
  }
  return 0;
}

void DriveSession::runCommand(const std::string& name, ScriptLine& line) {
  const auto found = kCommands.find(name);
  if (found == kCommands.end()) throw ScriptError("unknown command \"" + name + "\"");
  (this->*found->second)(line);
}

Window& DriveSession::control(ScriptLine& line) {
  const int id = line.number<int>("control id");
  return dialogControl(container_.openMask(), id);
}

std::filesystem::path DriveSession::scriptPath(const std::string& path) const {
  const std::filesystem::path given(path);
  return given.is_absolute() ? given : scriptFolder_ / given;
}

std::filesystem::path DriveSession::homePath(const std::string& relativePath) const {
  const std::filesystem::path relative = std::filesystem::path(relativePath).lexically_normal();
  if (relative.empty() || relative.is_absolute() || *relative.begin() == "..") {
    throw ScriptError("\"" + relativePath + "\" is not a path inside the home");
  }
  return home() / relative;
}

// Presets: what other desktop components leave for the mask.

void DriveSession::whiteboardValue(ScriptLine& line) {
  const std::string section = line.word("section");
  const std::string key = line.word("key");
  WHITEBOARD_putString(maskText(section), maskText(key), maskText(line.text()), kWhiteboardName);
}

void DriveSession::queueMessage(ScriptLine& line) {
  const std::string name = line.word("queue name");
  pushQueueMessage(name, maskText(line.text()));
}

void DriveSession::homeFile(ScriptLine& line) {
  const std::filesystem::path path = homePath(line.word("path"));
  writeWholeFile(path, line.text() + "\n");
}

void DriveSession::homeCopy(ScriptLine& line) {
  const std::filesystem::path target = homePath(line.word("path"));
  const std::string source = line.text();
  writeWholeFile(target, readInputFile(scriptPath(source)));
}

void DriveSession::handover(ScriptLine& line) {
  std::string installFolder;
  WHITEBOARD_getString("SYSTEM", "InstallDir", "", installFolder, 1024, kWhiteboardName);
  // The masks look for the file only in an install folder given as an absolute path.
  if (installFolder.empty() || (installFolder.front() != '\\' && installFolder.front() != '/')) {
    throw ScriptError("the install folder \"" + installFolder + "\" is no absolute path");
  }
  const std::filesystem::path file = resolvePath(installFolder + "\\temp\\PNRToBeCreate.pnrdata");
  if (file.empty())
    throw ScriptError("the install folder \"" + installFolder + "\" lies outside the home");
  writeWholeFile(file, line.text());
}

void DriveSession::pnrGroup(ScriptLine& line) {
  setPnrGroup(line.text());
}

// NAMENO|SURNAME|GIVENNAME|INFANT, and optionally |EMAIL, the passenger's own address.
void DriveSession::pnrPassenger(ScriptLine& line) {
  const std::vector<std::string> parts = splitAtBars(line.text());
  if (parts.size() != 4 && parts.size() != 5) {
    throw ScriptError("expected NAMENO|SURNAME|GIVENNAME|INFANT[|EMAIL]");
  }
  if (parts[3] != "Y" && parts[3] != "N") throw ScriptError("INFANT is Y or N");
  addPnrPassenger(
      {parts[0], parts[1], parts[2], parts[3] == "Y", parts.size() == 5 ? parts[4] : ""});
}

void DriveSession::pnrEmail(ScriptLine& line) {
  const auto parts = fields(line.text(), 4, "ADDRESS|NAMENO|NAME|REMARK");
  addPnrEmail({parts[0], parts[1], parts[2], parts[3]});
}

void DriveSession::addPassengerState(ScriptLine& line) {
  setAddPassengerState(line.number<int>("state"));
}

void DriveSession::addPassengerList(ScriptLine& line) {
  setAddPassengerList(line.text());
}

void DriveSession::addPassengerMarkers(ScriptLine& line) {
  const std::string markers = line.text();
  if (!isProfileMarkers(markers)) throw ScriptError("markers are nine digits 0 or 1");
  setAddPassengerMarkers(markers);
}

void DriveSession::agentProfile(ScriptLine& line) {
  const std::string text = line.text();
  if (text == "none") {
    setAgentProfile(std::nullopt);
    return;
  }
  const auto parts = fields(text, 7, "AGENCY|ADDR1|ADDR2|ADDR3|ADDR4|ADDR5|LOCATION");
  AgentProfile profile;
  profile.agencyName = parts[0];
  for (std::size_t index = 0; index < profile.address.size(); ++index) {
    profile.address[index] = parts[index + 1];
  }
  profile.dataSourceLocation = parseNumber<int>(parts[6], "location");
  setAgentProfile(profile);
}

void DriveSession::answer(ScriptLine& line) {
  const std::string kind = line.word("dialog kind");
  answers_.queue(kind, line.text());
}

// The agent at the mask's window.

void DriveSession::open(ScriptLine&) {
  container_.openMask();
}

void DriveSession::show(ScriptLine&) {
  container_.openMask().send(WM_SHOWWINDOW, 1);
}

void DriveSession::type(ScriptLine& line) {
  Window& target = control(line);
  typeText(target, maskText(line.text()));
}

void DriveSession::set(ScriptLine& line) {
  Window& target = control(line);
  target.setText(maskText(line.text()));
}

void DriveSession::select(ScriptLine& line) {
  Window& target = control(line);
  chooseListEntry(target, line.number<int>("entry index"));
}

void DriveSession::click(ScriptLine& line) {
  platform::click(control(line));
}

void DriveSession::focus(ScriptLine& line) {
  focusControl(control(line));
}

void DriveSession::key(ScriptLine& line) {
  const std::string name = line.word("key");
  const auto pressed = keyFromName(name);
  if (!pressed) throw ScriptError("unknown key \"" + name + "\"");
  pressKey(*pressed, &container_.openMask());
}

void DriveSession::doubleClick(ScriptLine& line) {
  platform::doubleClick(control(line));
}

void DriveSession::post(ScriptLine& line) {
  const auto message = line.number<UINT>("message");
  container_.openMask().post(message);
}

void DriveSession::setText(ScriptLine& line) {
  container_.openMask().setText(maskText(line.text()));
}

void DriveSession::setNullText(ScriptLine&) {
  container_.openMask().setNullText();
}

// The control the mask hosts itself, else the one of the Add Passenger dialog it has made.
void DriveSession::addPassengerFire(ScriptLine& line) {
  const int event = line.number<int>("event");
  const std::string text = line.text();
  AddPaxControl* control = hostedAddPaxControl(container_.openMask());
  if (control == nullptr) {
    if (OutsideControl* dialog = hostedDialogControl(DialogKind::AddPassenger)) {
      control = AddPaxControl::of(*dialog);
    }
  }
  if (control == nullptr) throw ScriptError("the mask hosts no add-passenger control");
  control->fireEvent(event, eventArguments(text));
}

void DriveSession::hostedFire(ScriptLine& line) {
  container_.openMask();
  const std::string kind = line.word("hosted dialog");
  const int event = line.number<int>("event");
  const std::string text = line.text();
  OutsideControl& control = openedDialogControl(kind);
  const std::vector<std::string> arguments = eventArguments(text);
  if (AddPaxControl* addPax = AddPaxControl::of(control)) {
    addPax->fireEvent(event, arguments);
  } else if (DialogRequestControl* request = DialogRequestControl::of(control)) {
    request->fireEvent(event, arguments);
  }
}

void DriveSession::hostedDump(ScriptLine& line) {
  container_.openMask();
  const std::string kind = line.word("hosted dialog");
  OutsideControl& control = openedDialogControl(kind);
  JsonLine state{{"hosted", kind}};
  if (const AddPaxControl* addPax = AddPaxControl::of(control)) {
    state["addpax"] = addPaxReceived(*addPax);
  } else if (const DialogRequestControl* request = DialogRequestControl::of(control)) {
    state["replies"] = texts(request->replies());
  }
  output_.write(state);
}

// The container's calls.

void DriveSession::reply(ScriptLine& line) {
  container_.call("SetResponse", {line.text()});
}

void DriveSession::replyFile(ScriptLine& line) {
  const std::string content = readInputFile(scriptPath(line.text()));
  container_.call("SetResponse", {content});
}

void DriveSession::received(ScriptLine& line) {
  const std::string source = line.word("source");
  const std::string destination = line.word("destination");
  container_.call("receivedFrom", {source, destination, line.text()});
}

void DriveSession::lang(ScriptLine& line) {
  container_.putLang(line.text());
}

void DriveSession::getLang(ScriptLine&) {
  container_.getLang();
}

void DriveSession::call(ScriptLine& line) {
  const std::string method = line.word("method");
  container_.call(method, {line.text()});
}

// What the script looks at.

void DriveSession::printControl(Window& control) {
  JsonLine state{{"control", control.id()}};
  writeControlState(state, controlStateOf(control));
  // What the hosted add-passenger control was given by the mask.
  if (control.hostedControl() != nullptr) {
    if (const AddPaxControl* addPax = AddPaxControl::of(*control.hostedControl())) {
      state["addpax"] = addPaxReceived(*addPax);
    }
  }
  output_.write(state);
}

void DriveSession::dump(ScriptLine& line) {
  if (!line.atEnd()) {
    printControl(control(line));
    return;
  }
  for (const auto& child : container_.openMask().children()) printControl(*child);
}

void DriveSession::where(ScriptLine&) {
  container_.openMask();
  const Window* focused = desktop().focus();
  if (focused == nullptr) {
    output_.write({{"focus", nullptr}});
    return;
  }
  JsonLine position{{"focus", focused->id()}};
  if (const auto selection = agentSelection(*focused)) {
    position["sel"] = {selection->start, selection->end};
  }
  output_.write(position);
}

void DriveSession::whiteboardDump(ScriptLine& line) {
  const std::string section = maskText(line.word("section"));
  for (const auto& [key, value] : whiteboardSection(section)) {
    output_.write({{"wb",
                    {{"section", outputText(section)},
                     {"key", outputText(key)},
                     {"value", outputText(value)}}}});
  }
}

void DriveSession::preview(ScriptLine&) {
  output_.write({{"preview", previewJson<JsonLine>(container_.preview())}});
}

void DriveSession::close(ScriptLine&) {
  container_.releaseMask();
}

}  // namespace desk
