// The shipped home is consistent: every code table and help page that the main settings name
// exists in a new home, and every code table is a code list that the masks can read.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/home/EmbeddedFiles.h"
#include "desk/services/IniDocument.h"
#include "framework/CodeLookupTable.h"
#include "tests/unit/desk/TempHome.h"

namespace {

namespace fs = std::filesystem;
using desk::test::TempHome;

// The code-lookup keys that the masks read: those of the lookup table, and the two code lists
// of the individual PNR creation (alliances and passport item kinds).
std::vector<std::string_view> codeListKeys() {
  std::vector<std::string_view> keys;
  for (std::size_t list = 0; list < framework::CodeLookupTable::kSize; ++list) {
    keys.push_back(framework::CodeLookupTable::key(static_cast<framework::CodeList>(list)));
  }
  keys.push_back("ENCODER_AIRLINE_ALLIANCE");
  keys.push_back("ENCODER_PSPT_DOCS_AIRLINE");
  return keys;
}

constexpr std::array<std::string_view, 26> kMaskClasses{
    "CPNRCreationFIT",
    "CPNRCreationGIT",
    "CPNRCreationEmail",
    "CPNRCreationFax",
    "CPNRCreationPersonal",
    "CPNRCreationRemarks",
    "CPNRCreationSSR",
    "CCreateAddPax",
    "CPNRRetrieval",
    "CPNRModificationPassenger",
    "CPNRModificationDivide",
    "CPNRModificationEmail",
    "CPNRModificationPhone",
    "CPNRModificationAddress",
    "CPNRModificationFax",
    "CPNRModificationGIT",
    "CPNRModificationIncrease",
    "CPNRModificationReduce",
    "CPNRModificationPersonal",
    "CPNRModificationRemarks",
    "CPNRModificationReceivedFrom",
    "CPNRModificationTtl",
    "CPNRAddEmail",
    "CPNRDeleteEmail",
    "CPNRAddPhoneFax",
    "CPNRModifyGrpName",
};

std::string fileText(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

// Mask texts are 8-bit Latin-1: every character of a UTF-8 text must be below U+0100.
bool fitsLatin1(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x80) continue;
    if ((byte != 0xC2 && byte != 0xC3) || at + 1 == utf8.size()) return false;
    ++at;
  }
  return true;
}

class DefaultHomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desk::prepareHome(home_.folder());
    settings_ = desk::IniDocument(fileText(home_.folder() / "TorvanMain.ini"));
  }

  // The file that a setting names, which must lie in the home.
  fs::path namedFile(std::string_view section, std::string_view key) const {
    const auto value = settings_.find(section, key);
    if (!value) {
      ADD_FAILURE() << "no " << key << " in [" << section << "]";
      return {};
    }
    const fs::path file(*value);
    const std::string home = home_.folder().string() + "/";
    EXPECT_EQ(file.string().rfind(home, 0), 0u) << *value << " is not in the home";
    EXPECT_TRUE(fs::is_regular_file(file)) << *value;
    return file;
  }

  TempHome home_;
  desk::IniDocument settings_;
};

TEST_F(DefaultHomeTest, EveryCodeListKeyNamesACodeListOfTheHome) {
  const std::vector<std::string_view> keys = codeListKeys();
  std::set<fs::path> named;
  for (std::string_view key : keys) {
    SCOPED_TRACE(std::string(key));
    const fs::path file = namedFile("ENCODER", key);
    if (file.empty()) continue;
    named.insert(file);

    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(file.c_str());
    ASSERT_TRUE(parsed) << parsed.description();
    const pugi::xpath_node_set entries = document.select_nodes("//Coder/T");
    EXPECT_FALSE(entries.empty());
    std::set<std::string> pairs;
    for (const pugi::xpath_node& entry : entries) {
      const std::string code = entry.node().child("C").child_value();
      const std::string description = entry.node().child("D").child_value();
      EXPECT_FALSE(code.empty());
      EXPECT_FALSE(description.empty()) << code;
      EXPECT_TRUE(fitsLatin1(code) && fitsLatin1(description)) << code << " " << description;
      EXPECT_TRUE(pairs.insert(code + '\n' + description).second) << "twice: " << code;
    }
  }
  EXPECT_EQ(settings_.entries("ENCODER").size(), keys.size());

  // No table ships that no key names.
  for (const fs::directory_entry& entry : fs::directory_iterator(home_.folder() / "coder")) {
    EXPECT_TRUE(named.contains(entry.path())) << entry.path();
  }
}

TEST_F(DefaultHomeTest, EveryMaskHasItsHelpPageUnderTheKeyOfTheDefaultLanguage) {
  // The default language EN1 reads the key of EN.
  for (std::string_view mask : kMaskClasses) {
    SCOPED_TRACE(std::string(mask));
    const fs::path page = namedFile(mask, "HELP_EN_URL");
    if (page.empty()) continue;
    EXPECT_EQ(page.filename().string(), std::string(mask) + ".html");
    const std::string html = fileText(page);
    EXPECT_NE(html.find("<title>"), std::string::npos);
    // A page stands alone: nothing is fetched from elsewhere.
    for (std::string_view outside : {"http:", "https:", "src=", "<link", "@import"}) {
      EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    }
  }
}

}  // namespace
