// The passport request field: its two forms, the trailing-slash removal of the first, the
// order of its checks, the primary-holder colouring and the keys it keeps.

#include "fields/SsrPassportField.h"

#include <gtest/gtest.h>

#include <array>

#include "framework/MaskState.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

enum Id {
  kTypeLabel = 100,
  kType,
  kPassportLabel,
  kPassport,
  kNationalityLabel,
  kNationality,
  kSurnameLabel,
  kSurname,
  kGivenLabel,
  kGiven,
  kSegmentLabel,
  kSegment,
  kHolder,
  kNameSelectLabel,
  kNameSelect,
  kDobLabel,
  kDob,
  kGenderLabel,
  kGender
};

constexpr std::array kControls{labelAt(kTypeLabel, 0),
                               comboAt(kType, 0),
                               labelAt(kPassportLabel, 1),
                               editAt(kPassport, 1),
                               labelAt(kNationalityLabel, 2),
                               editAt(kNationality, 2),
                               labelAt(kSurnameLabel, 3),
                               editAt(kSurname, 3),
                               labelAt(kGivenLabel, 4),
                               editAt(kGiven, 4),
                               labelAt(kSegmentLabel, 5),
                               editAt(kSegment, 5),
                               checkBoxAt(kHolder, 6),
                               labelAt(kNameSelectLabel, 7),
                               editAt(kNameSelect, 7),
                               labelAt(kDobLabel, 8),
                               editAt(kDob, 8),
                               labelAt(kGenderLabel, 9),
                               comboAt(kGender, 9)};

constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kNearlyBlack = platform::RGB(0, 0, 1);

struct Values {
  std::string passport, nationality, dob, surname, given;
  int gender;  // entry, -1 none
  bool holder;
  std::string nameSelect, segment;
};

class SsrPassportFieldTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    bind(1);
  }
  void bind(int typeMandatory) {
    freshDialog(kControls);
    field_ = std::make_unique<fields::CFieldSsrPassport>();
    field_->Create(*dialog_, kTypeLabel, kType, kPassportLabel, kPassport, kNationalityLabel,
                   kNationality, kSurnameLabel, kSurname, kGivenLabel, kGiven, kSegmentLabel,
                   kSegment, kHolder, kNameSelectLabel, kNameSelect, kDobLabel, kDob, kGenderLabel,
                   kGender, typeMandatory, fields::kCreation);
  }
  // What the mask passes on of a notification from one of the field's controls.
  void notify(int id, int code) {
    platform::LRESULT result = 0;
    field_->ProcessWindowMessage({platform::WM_COMMAND, platform::makeWParam(id, code),
                                  reinterpret_cast<platform::LPARAM>(&control(id))},
                                 result);
  }
  void chooseType(int entry) {
    platform::chooseEntry(control(kType), entry);
    notify(kType, platform::CBN_SELENDOK);
  }
  void clickHolder() {
    platform::click(control(kHolder));
    notify(kHolder, platform::BN_CLICKED);
  }
  void fill(const Values& v) {
    control(kPassport).setText(v.passport);
    control(kNationality).setText(v.nationality);
    control(kDob).setText(v.dob);
    control(kSurname).setText(v.surname);
    control(kGiven).setText(v.given);
    control(kGender).setCurrentEntry(v.gender);
    if ((control(kHolder).checkState() == 1) != v.holder) clickHolder();
    control(kNameSelect).setText(v.nameSelect);
    control(kSegment).setText(v.segment);
  }

  std::unique_ptr<fields::CFieldSsrPassport> field_;
};

const Values kFull{"X1234567", "US", "01JAN70", "SMITH", "JOHN", 0, true, "1.1", "2"};

TEST_F(SsrPassportFieldTest, BuildsBothForms) {
  struct Case {
    int type;  // entry of the mandatory list: 0 PSPT, 1 3OTHS
    Values values;
    std::string expected;
  };
  const Case cases[] = {
      {0, kFull, "3PSPT2/X1234567/US/01JAN70/SMITH/JOHN/M/H-1.1"},
      {1, kFull, "3OTHS2/PSPT X1234567 US 01JAN70 SMITH JOHN M H-1.1"},
      {0, {"X1234567", "US", "", "", "", -1, false, "", ""}, "3PSPT/X1234567/US"},
      {0, {"X1234567", "US", "", "", "", 0, false, "", ""}, "3PSPT/X1234567/US////M"},
      {0, {"X1234567", "USA", "", "", "", 3, true, "", ""}, "3PSPT/X1234567/USA////FI/H"},
      {0, {"X1234567", "US", "", "", "", -1, false, "2.1", ""}, "3PSPT/X1234567/US/////-2.1"},
      {1, {"X1234567", "US", "", "", "", -1, false, "", ""}, "3OTHS/PSPT X1234567 US"},
      {1, {"X1234567", "US", "", "LEE", "", 2, false, "", "3"}, "3OTHS3/PSPT X1234567 US MI"},
      {1, {"X1234567", "US", "", "", "", 1, true, "1.2", ""}, "3OTHS/PSPT X1234567 US F H-1.2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    bind(1);
    chooseType(c.type);
    fill(c.values);
    EXPECT_EQ(field_->BuildFragment(), c.expected);
  }
}

TEST_F(SsrPassportFieldTest, ChecksInOrder) {
  struct Case {
    Values values;
    std::string fault;
    int faultyEdit;
  };
  const Case cases[] = {
      {kFull, "", 0},
      {{"", "US", "", "", "", -1, false, "", ""}, "ERR_PNRSSR_PASPORT_NUM_EMPTY", kPassport},
      {{"X-1", "", "", "", "", -1, false, "", ""},
       "ERR_PNRSSR_NONALPHANUMERIC_PASPORT_NUM",
       kPassport},
      {{"X\xC4", "US", "", "", "", -1, false, "", ""},
       "ERR_PNRSSR_NONALPHANUMERIC_PASPORT_NUM",
       kPassport},
      {{"X1", "U", "", "", "", -1, false, "", ""}, "ERR_PNR_NATIONALITY_SHORT", kNationality},
      {{"X1", "", "", "", "", -1, false, "", ""}, "ERR_PNR_NATIONALITY_SHORT", kNationality},
      {{"X1", "U.", "", "", "", -1, false, "", ""},
       "ERR_PNR_NATIONALITY_NONALPHANUMERIC",
       kNationality},
      {{"X1", "US", "", "SMITH", "", -1, false, "", ""}, "ERR_PNR_GIVENNAME_NONE", kGiven},
      {{"X1", "US", "", "", "", -1, true, "", ""}, "ERR_PNR_NAMESELECT_NONE", kNameSelect},
      {{"X1", "US", "01JAN7", "", "", -1, false, "", ""}, "ERR_PNR_DATE_SHORT", kDob},
      {{"X1", "US", "01XXX70", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "32JAN70", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JANXX", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JAN-1", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JAN-0", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JAN+7", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JAN700", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "5MAR99X", "", "", -1, false, "", ""}, "ERR_PNR_DATE_INVALID", kDob},
      {{"X1", "US", "01JAN00", "", "", -1, false, "", ""}, "", 0},
      // The segment is not checked.
      {{"X1", "US", "", "", "", -1, false, "", "A?"}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.values.passport << " " << c.values.nationality << " "
                                    << c.values.dob << " -> " << c.fault);
    bind(1);
    fill(c.values);
    expectVerdict(field_->Validate(), c.fault, c.faultyEdit, "PNR Creation Information");
  }
}

TEST_F(SsrPassportFieldTest, AnOptionalTypeLeftEmptySwitchesTheRequestOff) {
  bind(0);
  EXPECT_EQ(control(kType).entryCount(), 3);
  EXPECT_EQ(control(kType).entry(0)->text, " ");
  for (int id : {kPassport, kNationality, kSegment, kNameSelect, kDob, kGender, kHolder, kSurname,
                 kGiven, kPassportLabel, kSegmentLabel, kNameSelectLabel, kGenderLabel}) {
    EXPECT_FALSE(control(id).isEnabled()) << id;
  }
  // The type label and the two link labels stay on.
  for (int id : {kTypeLabel, kNationalityLabel, kDobLabel}) {
    EXPECT_TRUE(control(id).isEnabled()) << id;
  }
  EXPECT_EQ(field_->Validate(), 1);
  EXPECT_EQ(field_->BuildFragment(), "");
  chooseType(1);
  EXPECT_TRUE(control(kPassport).isEnabled());
  EXPECT_TRUE(control(kHolder).isEnabled());
}

TEST_F(SsrPassportFieldTest, ThePrimaryHolderBoxMakesTheNameSelectMandatory) {
  EXPECT_EQ(paintOf(control(kNameSelectLabel)).text, kNearlyBlack);
  clickHolder();
  EXPECT_EQ(paintOf(control(kNameSelectLabel)).text, kRed);
  fill({"X1", "US", "", "", "", -1, true, "", ""});
  EXPECT_EQ(field_->Validate(), 0);
  expectReported("ERR_PNR_NAMESELECT_NONE", kNameSelect);
  clickHolder();
  EXPECT_EQ(paintOf(control(kNameSelectLabel)).text, kNearlyBlack);
}

TEST_F(SsrPassportFieldTest, KeepsItsKeysAndRestoresTheGender) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.SSR");
  chooseType(1);
  fill(kFull);
  field_->Save(profile);
  const std::pair<const char*, const char*> expected[] = {
      {"TYPE3", "1"},        {"PASSPORTNO3", "X1234567"}, {"NATIONALITY3", "US"}, {"SEGNO3", "2"},
      {"HOLDER3", "1"},      {"NAMESELECT3", "1.1"},      {"DOB3", "01JAN70"},    {"GENDER3", "0"},
      {"SURNAME3", "SMITH"}, {"GIVENNAME3", "JOHN"}};
  for (const auto& [key, value] : expected) {
    profile.setKeyName(key);
    std::string stored;
    profile.getValue(stored, "<none>", 1024);
    EXPECT_EQ(stored, value) << key;
  }
  const std::string before = field_->BuildFragment();
  field_->Clear();
  EXPECT_EQ(control(kType).currentEntry(), 0);
  EXPECT_EQ(control(kGender).currentEntry(), -1);
  EXPECT_EQ(control(kHolder).checkState(), 0);
  EXPECT_EQ(field_->BuildFragment(), "3PSPT");
  field_->Load(profile);
  EXPECT_EQ(control(kGender).currentEntry(), 0);
  EXPECT_EQ(control(kHolder).checkState(), 1);
  EXPECT_EQ(paintOf(control(kNameSelectLabel)).text, kRed);
  EXPECT_EQ(field_->BuildFragment(), before);
}

TEST_F(SsrPassportFieldTest, BindsItsLabelsAndLimits) {
  const std::tuple<int, const char*, int> bound[] = {{kPassport, "LAB_PNR_PASSPORTNO", 25},
                                                     {kNationality, "LAB_PNR_NATIONALITY", 3},
                                                     {kSegment, "LAB_PNR_SEGNO", 15},
                                                     {kNameSelect, "LAB_PNR_NAMESELECT", 23},
                                                     {kDob, "LAB_PNR_DOB", 7}};
  for (const auto& [edit, key, limit] : bound) {
    EXPECT_EQ(control(edit - 1).text(), key);
    EXPECT_EQ(control(edit).textLimit(), limit) << key;
  }
  EXPECT_EQ(control(kHolder).text(), "LAB_PNR_PRIMARYHOLDER");
  EXPECT_EQ(control(kGenderLabel).text(), "LAB_PNR_GENDER");
  EXPECT_EQ(control(kTypeLabel).text(), "LAB_PNR_TYPE");
  std::vector<std::string> genders;
  for (const auto& entry : control(kGender).entries()) genders.push_back(entry.text);
  EXPECT_EQ(genders, (std::vector<std::string>{"MALE", "FEMALE", "MALE INFANT", "FEMALE INFANT"}));
  EXPECT_EQ(control(kGender).currentEntry(), -1);
}

}  // namespace
}  // namespace module::test
