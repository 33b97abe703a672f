// The remark, received-from and identity document fields: type codes and enabling, the order
// of their checks, the elements they build with and without an attached line field, and the
// keys they keep.

#include "fields/RemarkFields.h"

#include <gtest/gtest.h>

#include <array>

#include "fields/NumberFields.h"
#include "framework/MaskState.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

constexpr int kTypeLabel = 40, kTypeCombo = 41, kLineLabel = 50, kLineEdit = 51;
// Remarks: segment label 10 / edit 11, remark label 20 / edit 21.
// Documents: number label 10 / edit 11, surname 20 / 21, given name 30 / 31.
constexpr std::array kControls{
    labelAt(kLabel1, 0),    editAt(kEdit1, 0),   labelAt(kLabel2, 1),    editAt(kEdit2, 1),
    labelAt(kLabel3, 2),    editAt(kEdit3, 2),   labelAt(kTypeLabel, 3), comboAt(kTypeCombo, 3),
    labelAt(kLineLabel, 4), editAt(kLineEdit, 4)};

std::string stored(CTorvanProfile& profile, std::string_view key) {
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "<none>", 1024);
  return value;
}

class RemarkFieldsTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    freshDialog(kControls);
  }
  void bindRemarks(int typeMandatory, bool withLine, int modification = fields::kCreation) {
    if (withLine) lineNo_.Create(*dialog_, kLineLabel, kLineEdit, 0, modification);
    remarks_.Create(*dialog_, kTypeLabel, kTypeCombo, kLabel1, kEdit1, kLabel2, kEdit2,
                    typeMandatory, withLine ? &lineNo_ : nullptr, modification);
  }
  void bindDocument(int typeMandatory, bool withLine, int modification = fields::kCreation) {
    if (withLine) lineNo_.Create(*dialog_, kLineLabel, kLineEdit, 0, modification);
    document_.Create(*dialog_, kTypeLabel, kTypeCombo, kLabel1, kEdit1, kLabel2, kEdit2, kLabel3,
                     kEdit3, typeMandatory, withLine ? &lineNo_ : nullptr, modification);
  }
  // Chooses an entry with the mouse; the mask passes the notification to the field.
  template <class Field>
  void choose(Field& field, int entry) {
    platform::chooseEntry(control(kTypeCombo), entry);
    platform::LRESULT result = 0;
    field.ProcessWindowMessage(
        {platform::WM_COMMAND, platform::makeWParam(kTypeCombo, platform::CBN_SELENDOK),
         reinterpret_cast<platform::LPARAM>(&control(kTypeCombo))},
        result);
  }
  std::vector<std::string> entryTexts() const {
    std::vector<std::string> texts;
    for (const auto& entry : control(kTypeCombo).entries()) texts.push_back(entry.text);
    return texts;
  }

  fields::CFieldLineNo lineNo_;
  fields::CFieldRemarks remarks_;
  fields::CFieldIdDoc document_;
};

TEST_F(RemarkFieldsTest, ReceivedFromIsRequiredAndBuildsTheElement) {
  fields::CFieldReceivedFrom field;
  field.Create(*dialog_, kLabel1, kEdit1, 1, fields::kModification);
  EXPECT_EQ(field.BuildFragment(true), "");
  EXPECT_EQ(field.Validate(), 0);
  expectReported("ERR_PNR_RECEIVEDFROM_NONE", kEdit1, "PNR Modification Information");
  field.SetText("MR SMITH");
  EXPECT_EQ(field.BuildFragment(false), "6MR SMITH");
  EXPECT_EQ(field.BuildFragment(true), "6\\u00A4MR SMITH");
}

TEST_F(RemarkFieldsTest, TypeListsAndCodes) {
  bindRemarks(1, false);
  EXPECT_EQ(entryTexts(), (std::vector<std::string>{"General", "Itinerary", "Invoice"}));
  EXPECT_EQ(control(kTypeCombo).currentEntry(), 0);
  freshDialog(kControls);
  bindRemarks(0, false);
  EXPECT_EQ(entryTexts(), (std::vector<std::string>{" ", "General", "Itinerary", "Invoice"}));
  EXPECT_EQ(control(kTypeCombo).entry(3)->data, 3);
  freshDialog(kControls);
  bindDocument(1, false);
  EXPECT_EQ(entryTexts(), (std::vector<std::string>{"Passport No", "Exit/Permit No"}));
  freshDialog(kControls);
  bindDocument(0, false);
  EXPECT_EQ(entryTexts(), (std::vector<std::string>{" ", "Passport No", "Exit/Permit No"}));
}

TEST_F(RemarkFieldsTest, RemarkTypeSwitchesTheOtherControls) {
  struct Case {
    int entry;  // of the optional list: 0 none, 1 general, 2 itinerary, 3 invoice
    bool line, segment, remark;
  };
  const Case cases[] = {
      {0, false, false, false},
      {1, true, false, true},
      {2, true, true, true},
      {3, true, true, true},
  };
  bindRemarks(0, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    choose(remarks_, c.entry);
    EXPECT_EQ(control(kLineEdit).isEnabled(), c.line);
    EXPECT_EQ(control(kLineLabel).isEnabled(), c.line);
    EXPECT_EQ(control(kEdit1).isEnabled(), c.segment);
    EXPECT_EQ(control(kLabel1).isEnabled(), c.segment);
    EXPECT_EQ(control(kEdit2).isEnabled(), c.remark);
    EXPECT_EQ(control(kLabel2).isEnabled(), c.remark);
  }
}

TEST_F(RemarkFieldsTest, RemarkChecksAndElements) {
  struct Case {
    int entry;  // of the mandatory list: 0 general, 1 itinerary, 2 invoice
    bool withLine;
    std::string line, segment, remark;
    std::string fault;
    int faultyEdit;
    std::string expected;  // when accepted
  };
  const Case cases[] = {
      {0, false, "", "", "VIP CLIENT", "", 0, "5VIP CLIENT"},
      {0, false, "", "A", "", "ERR_PNR_REMARK_NONE", kEdit2, ""},
      {0, false, "", "XY", "CALL CLIENT", "", 0, "5CALL CLIENT"},  // segment ignored
      {1, false, "", "2", "WINDOW SEAT", "", 0, "5\\u00A5S2 WINDOW SEAT"},
      {1, false, "", "", "WINDOW SEAT", "", 0, "5\\u00A5WINDOW SEAT"},
      {1, false, "", "0", "AISLE", "", 0, "5\\u00A5S0 AISLE"},
      {1, false, "", "A", "AISLE", "ERR_PNR_SEGNO_NONNUMERIC", kEdit1, ""},
      {2, true, "4", "", "PAID", "", 0, "54\\u00A4.PAID"},
      {2, true, "6", "1", "PAID CASH", "", 0, "56\\u00A4.S1 PAID CASH"},
      {2, true, "", "", "PAID", "", 0, "5\\u00A4.PAID"},  // the line prefix also when empty
      {1, false, "", "1", std::string(300, 'R'), "", 0, "5\\u00A5S1 " + std::string(300, 'R')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.entry << " [" << c.line << "] [" << c.segment << "] "
                                    << c.remark.substr(0, 20));
    freshDialog(kControls);
    bindRemarks(1, c.withLine, fields::kModification);
    choose(remarks_, c.entry);
    control(kLineEdit).setText(c.line);
    control(kEdit1).setText(c.segment);
    control(kEdit2).setText(c.remark);
    expectVerdict(remarks_.Validate(), c.fault, c.faultyEdit, "PNR Modification Information");
    if (c.fault.empty()) {
      EXPECT_EQ(remarks_.BuildFragment(), c.expected);
    }
  }
}

TEST_F(RemarkFieldsTest, AnOptionalTypeLeftEmptyIsAcceptedAndSendsNothing) {
  bindRemarks(0, false);
  control(kEdit2).setText("");
  EXPECT_EQ(remarks_.Validate(), 1);
  EXPECT_EQ(remarks_.BuildFragment(), "");
  freshDialog(kControls);
  bindDocument(0, true);
  EXPECT_FALSE(control(kEdit1).isEnabled());
  EXPECT_FALSE(control(kEdit2).isEnabled());
  EXPECT_FALSE(control(kLineEdit).isEnabled());
  EXPECT_EQ(document_.Validate(), 1);
  EXPECT_EQ(document_.BuildFragment(), "");
}

// A type the agent typed that names no entry leaves no entry selected: that is refused, not
// sent as an empty command.
TEST_F(RemarkFieldsTest, NoTypeSelectedIsRefused) {
  bindRemarks(1, false);
  control(kEdit2).setText("REMARK");
  control(kTypeCombo).setCurrentEntry(-1);
  EXPECT_EQ(remarks_.Validate(), 0);
  expectReported("ERR_PNR_TYPE_NONE", kTypeCombo);
  freshDialog(kControls);
  bindDocument(1, false);
  control(kEdit1).setText("X1234567");
  control(kTypeCombo).setCurrentEntry(-1);
  EXPECT_EQ(document_.Validate(), 0);
  expectReported("ERR_PNR_TYPE_NONE", kTypeCombo);
}

TEST_F(RemarkFieldsTest, DocumentChecksAndElements) {
  struct Case {
    int entry;  // of the mandatory list: 0 passport, 1 exit permit
    bool withLine;
    std::string line, number, surname, given;
    std::string fault;
    int faultyEdit;
    std::string expected;
  };
  const Case cases[] = {
      {0, false, "", "X1234567", "SMITH", "JOHN", "", 0, "5PPX1234567-SMITH/JOHN"},
      {0, false, "", "X1234567", "", "", "", 0, "5PPX1234567"},  // the holder is optional
      {1, true, "3", "E987654", "LEE", "ANN", "", 0, "53\\u00A4EPE987654-LEE/ANN"},
      {1, true, "", "E987654", "LEE", "ANN", "", 0, "5\\u00A4EPE987654-LEE/ANN"},
      {0, false, "", "X", "SMITH", "JOHN", "ERR_PNR_IDNO_SHORT", kEdit1, ""},
      {0, false, "", "", "", "", "ERR_PNR_IDNO_SHORT", kEdit1, ""},
      {0, false, "", "X-1234", "", "", "ERR_PNR_IDNO_NONALPHANUMERIC", kEdit1, ""},
      {0, false, "", "X\xA9\x31\x32", "", "", "ERR_PNR_IDNO_NONALPHANUMERIC", kEdit1, ""},
      {0, false, "", "X1234567", "LEE", "", "ERR_PNR_GIVENNAME_NONE", kEdit3, ""},
      {0, false, "", "X1234567", "", "ANN", "ERR_PNR_SURNAME_NONE", kEdit2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.entry << " " << c.number << " " << c.surname);
    freshDialog(kControls);
    bindDocument(1, c.withLine);
    choose(document_, c.entry);
    control(kLineEdit).setText(c.line);
    control(kEdit1).setText(c.number);
    control(kEdit2).setText(c.surname);
    control(kEdit3).setText(c.given);
    expectVerdict(document_.Validate(), c.fault, c.faultyEdit, "PNR Creation Information");
    if (c.fault.empty()) {
      EXPECT_EQ(document_.BuildFragment(), c.expected);
    }
  }
}

TEST_F(RemarkFieldsTest, RemarksKeepTheTypeByItemDataAndRestoreItFirst) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.REMARKS");
  bindRemarks(1, false);
  choose(remarks_, 2);
  control(kEdit1).setText("3");
  control(kEdit2).setText("PAID");
  remarks_.Save(profile);
  EXPECT_EQ(stored(profile, "TYPE1"), "2");
  EXPECT_EQ(stored(profile, "SEGNO1"), "3");
  EXPECT_EQ(stored(profile, "REMARK1"), "PAID");
  remarks_.Clear();
  EXPECT_EQ(control(kTypeCombo).currentEntry(), 0);
  EXPECT_EQ(control(kEdit1).text(), "");
  EXPECT_FALSE(control(kEdit1).isEnabled());
  remarks_.Load(profile);
  EXPECT_EQ(control(kTypeCombo).currentEntry(), 2);
  EXPECT_TRUE(control(kEdit1).isEnabled());
  EXPECT_EQ(remarks_.BuildFragment(), "5.S3 PAID");

  // A stored type that names no entry, or none at all, gives the first entry.
  for (const char* type : {"7", "", "garbage"}) {
    profile.setKeyName("TYPE1");
    profile.setValue(type);
    choose(remarks_, 2);
    remarks_.Load(profile);
    EXPECT_EQ(control(kTypeCombo).currentEntry(), 0) << type;
  }
}

TEST_F(RemarkFieldsTest, DocumentKeepsItsFourKeys) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.DOCUMENT");
  bindDocument(1, false);
  choose(document_, 1);
  control(kEdit1).setText("E987654");
  control(kEdit2).setText("LEE");
  control(kEdit3).setText("ANN");
  document_.Save(profile);
  EXPECT_EQ(stored(profile, "TYPE2"), "1");
  EXPECT_EQ(stored(profile, "IDNO2"), "E987654");
  EXPECT_EQ(stored(profile, "SURNAME2"), "LEE");
  EXPECT_EQ(stored(profile, "GIVENNAME2"), "ANN");
  document_.Clear();
  EXPECT_EQ(document_.BuildFragment(), "5PP");
  document_.Load(profile);
  EXPECT_EQ(document_.BuildFragment(), "5EPE987654-LEE/ANN");
}

}  // namespace
}  // namespace module::test
