// The small helpers of the mask framework: where the main settings file lies, the help
// section and key of a mask, and e-mail addresses in host commands.

#include <gtest/gtest.h>

#include "framework/Help.h"
#include "framework/HostCommand.h"
#include "framework/MainSettings.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

TEST(HelpTest, SectionNameIsTheClassNameWithoutDecoration) {
  struct Case {
    const char* className;
    const char* expected;
  };
  const Case cases[] = {
      {"CPNRCreationFax", "CPNRCreationFax"},
      {"class TorvanMaskT<class CPNRCreationFax>", "CPNRCreationFax"},
      {"class TorvanMaskT<class CPNRCreationFax *>", "CPNRCreationFax"},
      {"  CPNRModificationGIT ", "CPNRModificationGIT"},
      {"CPNR*Fax>", "CPNRFax"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(framework::helpSectionName(c.className), c.expected) << c.className;
  }
}

TEST(HelpTest, KeyNamesTheLanguageInUpperCase) {
  struct Case {
    const char* language;
    const char* expected;
  };
  const Case cases[] = {
      {"EN1", "HELP_EN_URL"},  {"en1", "HELP_EN_URL"},  {"En1", "HELP_EN_URL"},
      {"EN", "HELP_EN_URL"},   {"fr1", "HELP_FR1_URL"}, {"de", "HELP_DE_URL"},
      {"EN2", "HELP_EN2_URL"},
  };
  for (const Case& c : cases) EXPECT_EQ(framework::helpKey(c.language), c.expected) << c.language;
}

TEST(HostCommandTest, EmailUnderscoresAreWrittenAsTwoEqualSigns) {
  struct Case {
    const char* address;
    const char* expected;
  };
  const Case cases[] = {
      {"JOE_SMITH@ACME.COM", "JOE==SMITH@ACME.COM"},
      {"A__B@X", "A====B@X"},
      {"_@_", "==@=="},
      {"PLAIN@ACME.COM", "PLAIN@ACME.COM"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(framework::hostEmailAddress(c.address), c.expected) << c.address;
  }
}

class MainSettingsTest : public testing::Test {
 protected:
  void setPath(std::string_view path) {
    WHITEBOARD_putString("SYSTEM", "Path", path, kWhiteboardName);
  }
  TempDeskHome home_;
};

TEST_F(MainSettingsTest, FileIsThePathABackslashAndTheFileName) {
  struct Case {
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Torvan", "C:\\Torvan\\TorvanMain.ini"},
      {"C:\\Torvan\\", "C:\\Torvan\\\\TorvanMain.ini"},  // a backslash is always put between
      {"/srv/desk", "/srv/desk\\TorvanMain.ini"},
      {"", "TorvanMain.ini"},  // the current folder
  };
  for (const Case& c : cases) {
    setPath(c.path);
    EXPECT_EQ(framework::mainSettingsFile(), c.expected) << c.path;
  }
}

TEST_F(MainSettingsTest, HelpOpensTheAddressOfTheClassInTheLanguage) {
  home_.write("TorvanMain.ini",
              "[CPNRCreationFax]\n"
              "HELP_EN_URL=https://help.example/en/fax\n"
              "HELP_FR1_URL=https://help.example/fr/fax\n");
  setPath(home_.folder().string());
  RecordingContainer container;
  platform::desktop().setContainer(&container);

  framework::showHelp("class TorvanMaskT<class CPNRCreationFax>", "en1");
  framework::showHelp("CPNRCreationFax", "FR1");
  framework::showHelp("CPNRCreationFax", "DE1");  // no address: the empty text is opened
  framework::showHelp("CPNRUnknown", "EN1");

  platform::desktop().setContainer(nullptr);
  EXPECT_EQ(container.opened, (std::vector<std::string>{"https://help.example/en/fax",
                                                        "https://help.example/fr/fax", "", ""}));
}

}  // namespace
}  // namespace module::test
