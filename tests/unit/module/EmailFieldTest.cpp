// The e-mail field: the order of its checks, the element it builds and the keys it keeps.

#include "fields/EmailField.h"

#include <gtest/gtest.h>

#include "framework/MaskState.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

class EmailFieldTest : public FieldTest {
 protected:
  void bind(int mandatory, int modification = fields::kCreation) {
    email_.Create(*dialog_, kLabel1, kEdit1, kLabel2, kEdit2, kLabel3, kEdit3, mandatory,
                  modification);
  }
  fields::CFieldEmail email_;
};

TEST_F(EmailFieldTest, ChecksAddressThenFreeText) {
  struct Case {
    int mandatory;
    std::string address, freeText;
    std::string fault;
    int faultyEdit;
    int selectedAt;
  };
  const Case cases[] = {
      {0, "", "!!", "", 0, -1},  // an optional empty address ends the checks
      {1, "", "", "ERR_PNR_EMAIL_NONE", kEdit1, -1},
      {1, "A@BC", "", "ERR_PNR_EMAIL_SHORT", kEdit1, -1},
      {1, "A@B.C", "", "", 0, -1},
      {1, "AB.CD", "", "ERR_PNR_EMAIL_NOAT", kEdit1, -1},
      {1, "A@B@C.D", "", "ERR_PNR_EMAIL_MANYAT", kEdit1, 3},
      {1, "A B@C.D", "", "ERR_VESPIN1_EMAIL_ALPHANUM_FIELD", kEdit1, -1},
      {1, "J\xF6RG@C.D", "", "ERR_VESPIN1_EMAIL_ALPHANUM_FIELD", kEdit1, -1},
      {1, "JOHN_SMITH@HOST-1.TEST", "OFFICE 2", "", 0, -1},
      {1, "A@B.CD", "OFFICE!", "ERR_PNR_EMAILFREETEXT_NONALPHANUMERIC", kEdit2, -1},
      {1, "A@B.CD", "A;B", "ERR_PNR_EMAILFREETEXT_NONALPHANUMERIC", kEdit2, -1},
      {1, "A@B.CD", "\x80\xFF", "ERR_PNR_EMAILFREETEXT_NONALPHANUMERIC", kEdit2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mandatory << " " << c.address << " | " << c.freeText);
    freshDialog();
    bind(c.mandatory);
    control(kEdit1).setText(c.address);
    control(kEdit2).setText(c.freeText);
    control(kEdit3).setText("ANYTHING AT ALL");  // the passenger is not checked
    expectVerdict(email_.Validate(), c.fault, c.faultyEdit, "PNR Creation Information",
                  c.selectedAt);
  }
}

TEST_F(EmailFieldTest, BuildsTheElement) {
  struct Case {
    std::string address, freeText, passenger;
    fields::LinePrefix prefix;
    std::string expected;
  };
  const Case cases[] = {
      {"JOHN_SMITH@HOST.TEST", "", "1.1", {}, "PE\\u00A5JOHN==SMITH@HOST.TEST\\u00A5-1.1"},
      {"JOHN_SMITH@HOST.TEST", "OFFICE", "", {}, "PE\\u00A5JOHN==SMITH@HOST.TEST\\u00A5OFFICE"},
      {"A@B.CD", "", "", "4", "PE4\\u00A4\\u00A5A@B.CD\\u00A5"},
      {"", "OFFICE", "1.1", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    freshDialog();
    bind(1);
    control(kEdit1).setText(c.address);
    control(kEdit2).setText(c.freeText);
    control(kEdit3).setText(c.passenger);
    EXPECT_EQ(email_.BuildFragment(c.prefix), c.expected);
  }
}

TEST_F(EmailFieldTest, KeepsItsThreeTextsAndReportsUnderItsCaption) {
  bind(1, fields::kModification);
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.EMAIL");
  email_.SetEmail("A@B.CD");
  control(kEdit2).setText("HOME");
  control(kEdit3).setText("2.1");
  email_.Save(profile);
  email_.Clear();
  for (int edit : {kEdit1, kEdit2, kEdit3}) EXPECT_EQ(control(edit).text(), "");
  email_.Load(profile);
  EXPECT_EQ(control(kEdit1).text(), "A@B.CD");
  EXPECT_EQ(control(kEdit2).text(), "HOME");
  EXPECT_EQ(control(kEdit3).text(), "2.1");
  for (const auto& [key, value] : {std::pair{"EMAIL", "A@B.CD"}, std::pair{"FREETEXT", "HOME"},
                                   std::pair{"PAXNAMESELECT", "2.1"}}) {
    profile.setKeyName(key);
    std::string stored;
    profile.getValue(stored, "", 1024);
    EXPECT_EQ(stored, value) << key;
  }
  email_.Clear();
  EXPECT_EQ(email_.Validate(), 0);
  expectReported("ERR_PNR_EMAIL_NONE", kEdit1, "PNR Modification Information");
}

TEST_F(EmailFieldTest, WithoutLabelsOnlyTheEditsAreBound) {
  email_.Create(*dialog_, -1, kEdit1, kLabel2, kEdit2, kLabel3, kEdit3, 1, fields::kCreation);
  for (int label : {kLabel1, kLabel2, kLabel3}) EXPECT_EQ(control(label).text(), kTemplateLabel);
  EXPECT_EQ(control(kEdit1).textLimit(), 40);
  EXPECT_EQ(control(kEdit2).textLimit(), 30);
  EXPECT_EQ(control(kEdit3).textLimit(), 17);
}

}  // namespace
}  // namespace module::test
