// Hostile input through the drive, for every mask the module serves (every class of the type
// library that the module's class factory answers for, so that a mask is covered as soon as
// it is served): texts far over every limit, bytes 0x80 to 0xFF and control characters, and
// empty texts, in every edit, queue message, host reply, profile record, open-PNR element,
// add-passenger list, dialog answer, hand-over file and container call, with every button and
// link clicked; and a home with its language table, main settings and whiteboard missing.
// Every script must run to its end, and the whiteboard must still be one whole file whose
// framework keys no input could change.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "desk/container/Container.h"
#include "desk/drive/DriveSession.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/IniDocument.h"
#include "desk/services/Whiteboard.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"
#include "tests/unit/desk/TempHome.h"
#include "typelib/TypeLibrary.h"

namespace desk {
namespace {

namespace fs = std::filesystem;

struct HostileText {
  const char* name;
  std::string text;
};

std::string allHighBytes() {
  std::string text;
  for (int c = 0x80; c <= 0xFF; ++c) text += static_cast<char>(c);
  return text;
}

std::string controlCharacters() {
  std::string text;
  // Every control character but the line feed, which ends a script line; a carriage return in
  // the middle of a text is kept.
  for (int c = 1; c < 0x20; ++c) {
    if (c != '\n') text += static_cast<char>(c);
  }
  return text + "\x7F" + "A=1&B";
}

const std::vector<HostileText>& hostileTexts() {
  static const std::vector<HostileText> texts = {
      {"far over every limit", std::string(100000, 'W') + "=" + std::string(5000, '9')},
      {"bytes 0x80 to 0xFF", allHighBytes()},
      {"control characters", controlCharacters()},
      {"empty", ""},
      {"looks like a profile file", "X\r[SYSTEM]\rPath=/elsewhere\r[User]\rLANG=XX9"},
  };
  return texts;
}

// Whether the module's class factory answers for the class.
bool serves(const ModuleLoader& module, const typelib::ClassDescription& description) {
  ComPtr<IClassFactory> factory;
  return SUCCEEDED(
      module.getClassObject()(description.clsid, IID_IClassFactory, factory.outVoid()));
}

// The mask's controls as its dialog holds them: the edits and combos the agent enters text
// in, and the buttons and labels a click acts on.
struct MaskControls {
  std::vector<int> entries;
  std::vector<int> clickable;
};

MaskControls maskControls(const ModuleLoader& module,
                          const typelib::ClassDescription& description) {
  struct Quiet final : ContainerListener, DialogAnswerer {
    void eventFired(std::string_view, const std::vector<std::string>&) override {}
    void messageBoxShown(const MessageBoxRequest&) override {}
    void messageBoxClosed(const MessageBoxRequest&, int) override {}
    void modalDialogOpened(DialogKind) override {}
    void modalDialogClosed(DialogKind, const std::optional<ModalAnswer>&) override {}
    void shellOpened(std::string_view) override {}
    void logged(const LogLine&) override {}
    void requested(std::string_view) override {}
    void callReturned(const CallResult&) override {}
    int answerMessageBox(const MessageBoxRequest&) override { return 1; }
    std::optional<ModalAnswer> answerModalDialog(DialogKind) override { return std::nullopt; }
  } quiet;
  Container container(module, description, quiet, quiet);
  MaskControls controls;
  for (const auto& child : container.openMask().children()) {
    switch (child->windowClass()) {
      case platform::WindowClass::Edit:
      case platform::WindowClass::ComboBox:
        controls.entries.push_back(child->id());
        break;
      case platform::WindowClass::Button:
      case platform::WindowClass::Static:
        controls.clickable.push_back(child->id());
        break;
      default:
        break;
    }
  }
  return controls;
}

// The text as one word of a dialog answer: without its blanks and other white space.
std::string asWord(const std::string& text) {
  std::string word;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) word += c;
  }
  return word.empty() ? "-" : word;
}

std::string hostileScript(const MaskControls& controls, const std::string& text,
                          bool withInstallFolder) {
  const std::vector<int>& entries = controls.entries;
  std::string typed = text.substr(0, 3000);  // typing goes key by key: a few thousand suffice
  const std::string word = asWord(text);
  std::ostringstream script;
  // The hand-over file lies in the install folder, which a home without a whiteboard lacks.
  if (withInstallFolder) script << "handover " << text << "\n";
  script << "addpax-state 1\naddpax-markers 111111111\naddpax-list " << text << "\n";
  for (int round = 0; round < 2; ++round) {
    script << "answer coder " << word << " " << text << "\n"
           << "answer addpax ok 101010101 " << text << "\n"
           << "answer policy ok " << word << " " << word << "\n"
           << "answer doss ok " << word << " " << word << "\n"
           << "answer ffp " << (round == 0 ? "7" : "999") << "\n"
           << "answer calendar 29 2 2000\n";
  }
  for (const char* queue : {"ID_MODIFYPNR_EMAIL", "ID_MODIFYPNR_PASSANGER",
                            "ID_MODIFYPNR_GROUPNAME", "ID_MODIFYPNR_DELEMAIL"}) {
    script << "queue " << queue << " " << text << "\n";
  }
  script << "pnr-group " << text << "\n"
         << "pnr-pax " << text << "|" << text << "|" << text << "|Y\n"
         << "pnr-pax 1.1|" << text << "|" << text << "|N\n"
         << "pnr-email " << text << "|" << text << "|" << text << "|" << text << "\n"
         << "agent-profile " << text << "|" << text << "|" << text << "|" << text << "|" << text
         << "|" << text << "|1\n"
         << "open\nshow\n"
         << "reply " << text << "\nreply GETPNRINFO\n";
  for (int id : entries) script << "set " << id << " " << text << "\n";
  script << "key Enter\nkey Alt+Up\nkey Enter\n";
  for (int id : entries) script << "type " << id << " " << typed << "\n";
  script << "key Enter\n";
  for (const char* method : {"initParam", "initField", "initFields"}) {
    script << "call " << method << " " << text << "\n";
  }
  for (int id : controls.clickable) script << "click " << id << "\n";
  script << "key Enter\n";
  script << "received A B " << text << "\n"
         << "reply " << text << "\n"
         << "key Enter\nkey F1\n"
         << "lang " << text << "\nsettext " << text << "\n"
         << "key Enter\nclose\n";
  return script.str();
}

// The whiteboard is one whole file, and its framework keys are as they were.
void expectSoundWhiteboard(const std::string& systemPath) {
  const std::optional<std::string> text = readFileIfExists(whiteboardFile());
  if (!text) return;  // a home without one that nothing wrote
  ASSERT_FALSE(text->empty());
  EXPECT_EQ(text->back(), '\n');
  const IniDocument board(*text);
  if (!systemPath.empty()) {
    EXPECT_EQ(board.find("SYSTEM", "Path").value_or("<none>"), systemPath);
    EXPECT_EQ(board.find("SYSTEM", "InstallDir").value_or("<none>"), systemPath);
  }
  // No value reached a line of its own: every section name appears once.
  std::vector<std::string> sections;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("[")) sections.push_back(line);
    // Masks read window texts into buffers of 1024 bytes, and save what they read.
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) {
      EXPECT_LE(line.size() - equals - 1, 1023u) << line.substr(0, 80);
    }
  }
  std::sort(sections.begin(), sections.end());
  EXPECT_EQ(std::adjacent_find(sections.begin(), sections.end()), sections.end()) << *text;
}

class HostileInputTest : public ::testing::TestWithParam<bool> {};

TEST_P(HostileInputTest, EveryMaskRunsEveryScriptAndKeepsItsWhiteboardWhole) {
  const bool missingEverything = GetParam();
  const ModuleLoader module(ModuleLoader::defaultModulePath());
  int masksDriven = 0;
  for (const typelib::ClassDescription& description : typelib::classes()) {
    if (!serves(module, description)) continue;  // a class the module does not serve yet
    MaskControls controls;
    {
      test::TempHome home;
      prepareHome(home.folder());
      try {
        controls = maskControls(module, description);
      } catch (const std::exception& error) {
        ADD_FAILURE() << description.name << " is served but does not open: " << error.what();
        continue;
      }
    }
    ++masksDriven;
    for (const HostileText& hostile : hostileTexts()) {
      SCOPED_TRACE(std::string(description.name) + ": " + hostile.name);
      test::TempHome home;
      prepareHome(home.folder());
      const std::string systemPath = missingEverything ? "" : home.folder().string();
      if (missingEverything) {
        fs::remove_all(home.folder() / "languages");
        fs::remove(home.folder() / "TorvanMain.ini");
        fs::remove(home.folder() / "VLwhiteboard.ini");
      }
      std::istringstream script(hostileScript(controls, hostile.text, !missingEverything));
      std::ostringstream printed;
      DriveOutput output(printed);
      const int status = DriveSession(module, description, home.folder(), output).run(script);
      const std::string what = printed.str();
      EXPECT_EQ(status, 0) << what.substr(std::min(what.rfind("{\"error\""), what.size()), 400);
      expectSoundWhiteboard(systemPath);
    }
  }
  EXPECT_GT(masksDriven, 0);
}

INSTANTIATE_TEST_SUITE_P(Homes, HostileInputTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& home) {
                           return home.param ? "MissingEverything" : "Defaults";
                         });

}  // namespace
}  // namespace desk
