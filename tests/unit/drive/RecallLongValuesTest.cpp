// Whiteboard values of any length, with bytes 0x80 to 0xFF, restored by Recall: each mask
// reads as much of them as its buffers hold and sends the command it sends when the same
// texts are put into its controls.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "desk/drive/DriveSession.h"
#include "desk/home/DeskHome.h"
#include "tests/unit/desk/TempHome.h"
#include "typelib/TypeLibrary.h"

namespace desk {
namespace {

// A text of the high bytes, as the script (UTF-8) writes them, repeated to about length
// characters.
std::string highBytes(std::size_t length) {
  std::string text;
  for (std::size_t index = 0; index < length; ++index) {
    const unsigned char c = static_cast<unsigned char>(0x80 + index % 0x80);
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
  return text;
}

const std::string kLetters(5000, 'L');
const std::string kDigits(5000, '7');
const std::string kHigh = highBytes(5000);

struct Value {
  const char* key;  // whiteboard key
  std::string value;
  std::string control;  // how the same value is put into the mask: "set 286", "select 284"
};

struct Case {
  const char* mask;
  const char* section;
  std::vector<Value> values;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"PNRCreationPersonal",
       "PNR.CREATION.PERSONAL",
       {{"TYPE2", "1", "select 284"},
        {"IDNO2", "X" + kDigits, "set 286"},
        {"SURNAME2", kLetters, "set 288"},
        {"GIVENNAME2", kLetters, "set 290"}}},
      {"PNRModificationPersonal",
       "PNR.MODIFICATION.PERSONAL",
       {{"TYPE2", "0", "select 575"},
        {"IDNO2", "X" + kDigits, "set 577"},
        {"SURNAME2", kLetters, "set 579"},
        {"GIVENNAME2", kLetters, "set 581"},
        {"LINENO", kDigits, "set 565"}}},
      {"PNRCreationRemarks",
       "PNR.CREATION.REMARKS",
       {{"TYPE1", "1", "select 272"},
        {"SEGNO1", kDigits, "set 274"},
        {"REMARK1", kHigh, "set 276"}}},
      {"PNRModificationRemarks",
       "PNR.MODIFICATION.REMARKS",
       {{"TYPE1", "2", "select 588"},
        {"SEGNO1", kDigits, "set 590"},
        {"REMARK1", kHigh, "set 592"},
        {"LINENO", kDigits, "set 565"}}},
      {"PNRCreationEmail",
       "PNR.CREATION.EMAIL",
       {{"EMAIL", "A_B@" + kLetters, "set 306"},
        {"FREETEXT", kLetters, "set 308"},
        {"PAXNAMESELECT", kHigh, "set 310"}}},
      {"PNRCreationSSR",
       "PNR.CREATION.SSR",
       {{"TYPE3", "1", "select 292"},
        {"PASSPORTNO3", kDigits, "set 294"},
        {"NATIONALITY3", kLetters, "set 296"},
        {"SEGNO3", kHigh, "set 298"},
        {"NAMESELECT3", kHigh, "set 430"},
        {"DOB3", "01JAN70", "set 433"},
        {"GENDER3", "3", "select 434"},
        {"SURNAME3", kLetters, "set 431"},
        {"GIVENNAME3", kLetters, "set 432"}}},
      {"PNRModificationReceivedFrom",
       "PNR.MODIFICATION.RECEIVEDFROM",
       {{"RECEIVEDFROM", kHigh, "set 569"}}},
      {"PNRModificationTtl",
       "PNR.MODIFICATION.TTL",
       {{"TTL", "2", "select 211"},
        {"DATE", kDigits, "set 215"},
        {"QUEUENO", kDigits, "set 219"},
        {"QUEUENO2", kDigits, "set 236"}}},
      {"PNRModificationTtl",
       "PNR.MODIFICATION.TTL",
       {{"TTL", "1", "select 211"},
        {"DATE", "15MAR", "set 215"},
        {"QUEUENO", kLetters, "set 219"}}},
  };
  return all;
}

// What the mask prints for the script, on a new desk home.
std::string drive(const ModuleLoader& module, const char* mask, const std::string& script) {
  test::TempHome home;
  prepareHome(home.folder());
  std::istringstream lines(script);
  std::ostringstream printed;
  DriveOutput output(printed);
  EXPECT_EQ(DriveSession(module, *typelib::findClass(mask), home.folder(), output).run(lines), 0);
  return printed.str();
}

TEST(RecallLongValuesTest, RecallSendsWhatTheSameTextsPutInTheControlsSend) {
  const ModuleLoader module(ModuleLoader::defaultModulePath());
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.mask);
    std::string recalled = std::string("wb ") + c.section + " SHARKDOLPHIN iu tham thiet\n";
    std::string put;
    for (const Value& v : c.values) {
      recalled += std::string("wb ") + c.section + " " + v.key + " " + v.value + "\n";
      put += v.control + " " + v.value + "\n";
    }
    recalled += "key Alt+Up\nkey Enter\n";
    put += "key Enter\n";
    const std::string fromRecall = drive(module, c.mask, recalled);
    EXPECT_TRUE(fromRecall.starts_with("{\"event\":\"Send\"")) << fromRecall.substr(0, 300);
    // Every text is read into a buffer of 1024 bytes: the command stays short of the values.
    EXPECT_LT(fromRecall.size(), 12000u);
    EXPECT_EQ(fromRecall, drive(module, c.mask, put));
  }
}

}  // namespace
}  // namespace desk
