// Hostile input through the drive, for every mask the module serves: texts far over every
// limit, bytes 0x80 to 0xFF and control characters, and empty texts, in every edit, queue
// message, host reply, open-PNR element and container call; and a home with its language
// table, main settings and whiteboard missing. Every script must run to its end, and the
// whiteboard must still be one whole file whose framework keys no input could change.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "desk/container/Container.h"
#include "desk/drive/DriveSession.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/IniDocument.h"
#include "desk/services/Whiteboard.h"
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

// The ids of the mask's edits and combos, as its dialog holds them.
std::vector<int> entryControls(const ModuleLoader& module,
                               const typelib::ClassDescription& description) {
  struct Quiet final : ContainerListener, DialogAnswerer {
    void eventFired(std::string_view, const std::vector<std::string>&) override {}
    void messageBoxShown(const MessageBoxRequest&) override {}
    void messageBoxClosed(const MessageBoxRequest&, int) override {}
    void modalDialogOpened(std::string_view) override {}
    void modalDialogClosed(std::string_view, const std::optional<ModalAnswer>&) override {}
    void shellOpened(std::string_view) override {}
    void logged(const LogLine&) override {}
    void requested(std::string_view) override {}
    void callReturned(const CallResult&) override {}
    int answerMessageBox(const MessageBoxRequest&) override { return 1; }
    std::optional<ModalAnswer> answerModalDialog(std::string_view) override { return std::nullopt; }
  } quiet;
  Container container(module, description, quiet, quiet);
  std::vector<int> ids;
  for (const auto& child : container.openMask().children()) {
    if (child->windowClass() == platform::WindowClass::Edit ||
        child->windowClass() == platform::WindowClass::ComboBox) {
      ids.push_back(child->id());
    }
  }
  return ids;
}

std::string hostileScript(const std::vector<int>& entries, const std::string& text) {
  std::string typed = text.substr(0, 3000);  // typing goes key by key: a few thousand suffice
  std::ostringstream script;
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
    std::vector<int> entries;
    {
      test::TempHome home;
      prepareHome(home.folder());
      try {
        entries = entryControls(module, description);
      } catch (const std::exception&) {
        continue;  // a class the module does not serve yet
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
      std::istringstream script(hostileScript(entries, hostile.text));
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
