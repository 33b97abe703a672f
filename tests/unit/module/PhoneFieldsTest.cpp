// The phone and fax fields: their checks, the phone lines they build, and the whiteboard keys
// of the business and agency lines.

#include "fields/PhoneFields.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "framework/MaskState.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using fields::LinePrefix;

constexpr int kModification = fields::kModification;

class PhoneFieldsTest : public FieldTest {};

// Single phone fields bound to label 10 and edit 11.
enum class Single { Fax, Tel, Home, Mobile };

struct Created {
  std::unique_ptr<fields::CField> field;
  std::function<int()> validate;
  std::function<std::string(LinePrefix)> fragment;
};

Created create(Single kind, platform::Window& dialog, int mandatory) {
  switch (kind) {
    case Single::Fax: {
      auto field = std::make_unique<fields::CFieldFaxNo>();
      field->Create(dialog, kLabel1, kEdit1, mandatory, fields::kCreation);
      auto* f = field.get();
      return {std::move(field), [f] { return f->Validate(); },
              [f](LinePrefix p) { return f->BuildFragment(p); }};
    }
    case Single::Tel: {
      auto field = std::make_unique<fields::CFieldTelNo>();
      field->Create(dialog, kLabel1, kEdit1, mandatory, "LAB_T", "TIP_T", fields::kCreation);
      auto* f = field.get();
      return {std::move(field), [f] { return f->Validate(); }, {}};
    }
    case Single::Home: {
      auto field = std::make_unique<fields::CFieldHomeNo>();
      field->Create(dialog, kLabel1, kEdit1, mandatory);
      auto* f = field.get();
      return {std::move(field), [f] { return f->Validate(); },
              [f](LinePrefix p) { return f->BuildFragment(p); }};
    }
    case Single::Mobile: {
      auto field = std::make_unique<fields::CFieldMobNo>();
      field->Create(dialog, kLabel1, kEdit1, mandatory);
      auto* f = field.get();
      return {std::move(field), [f] { return f->Validate(); },
              [f](LinePrefix p) { return f->BuildFragment(p); }};
    }
  }
  return {};
}

const char* nameOf(Single kind) {
  switch (kind) {
    case Single::Fax:
      return "fax";
    case Single::Tel:
      return "telephone";
    case Single::Home:
      return "home";
    case Single::Mobile:
      return "mobile";
  }
  return "";
}

TEST_F(PhoneFieldsTest, SingleFieldsCheckTheirNumber) {
  struct Case {
    Single kind;
    int mandatory;
    std::string text;
    std::string fault;  // empty: accepted
    int selectedAt;     // -1: no character selected
  };
  const Case cases[] = {
      {Single::Fax, 1, "", "ERR_PNR_FAXNO_NONE", -1},
      {Single::Fax, 0, "", "", -1},
      {Single::Fax, 1, "5551234", "", -1},
      {Single::Fax, 1, "555I234", "ERR_PNR_FAXNO_WRONG", 3},
      {Single::Fax, 1, "555.234", "ERR_PNR_FAXNO_WRONG", 3},
      {Single::Fax, 1, "5*5/5", "ERR_PNR_FAXNO_WRONG", 1},
      {Single::Fax, 0, "12/3.4", "ERR_PNR_FAXNO_WRONG", 2},
      {Single::Tel, 1, "", "ERR_PNR_TELNO_NONE", -1},
      {Single::Tel, 0, "", "", -1},
      {Single::Tel, 1, "555-1234", "", -1},
      {Single::Tel, 1, "I", "ERR_PNR_HOMENO_WRONG", 0},
      {Single::Tel, 1, "555 12/34", "ERR_PNR_HOMENO_WRONG", 6},
      {Single::Home, 1, "", "ERR_PNR_TELNO_NONE", -1},
      {Single::Home, 1, "555*", "ERR_PNR_HOMENO_WRONG", 3},
      {Single::Mobile, 1, "", "ERR_PNR_TELNO_NONE", -1},
      {Single::Mobile, 0, "", "", -1},
      {Single::Mobile, 1, "0.1", "ERR_PNR_HOMENO_WRONG", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << nameOf(c.kind) << " mandatory=" << c.mandatory << " \"" << c.text << "\"");
    freshDialog();
    Created field = create(c.kind, *dialog_, c.mandatory);
    field.field->SetText(c.text);
    // Home and mobile numbers belong to modification masks whatever the mask.
    const bool modification = c.kind == Single::Home || c.kind == Single::Mobile;
    expectVerdict(field.validate(), c.fault, kEdit1,
                  modification ? "PNR Modification Information" : "PNR Creation Information",
                  c.selectedAt);
  }
}

TEST_F(PhoneFieldsTest, SingleFieldsBuildTheirPhoneLine) {
  struct Case {
    Single kind;
    std::string text;
    LinePrefix prefix;
    std::string expected;
  };
  const Case cases[] = {
      {Single::Fax, "5551234", {}, "9 5551234-F"},
      {Single::Fax, "5551234", "2", "92\\u00A45551234-F"},
      {Single::Fax, "5551234", "", "9\\u00A45551234-F"},
      {Single::Fax, "", {}, ""},
      {Single::Fax, "", "2", ""},
      {Single::Home, "5551234", {}, "95551234-H"},
      {Single::Home, "5551234", "3", "93\\u00A45551234-H"},
      {Single::Home, "", {}, "9-H"},  // built also when empty
      {Single::Mobile, "5551234", {}, "95551234-C"},
      {Single::Mobile, "", "1", "91\\u00A4-C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << nameOf(c.kind) << " \"" << c.text << "\" prefix "
                                    << (c.prefix ? std::string(*c.prefix) : "none"));
    freshDialog();
    Created field = create(c.kind, *dialog_, 1);
    field.field->SetText(c.text);
    EXPECT_EQ(field.fragment(c.prefix), c.expected);
  }
}

// The ids of the composite fields' members.
constexpr int kTelLabel = kLabel1, kTelEdit = kEdit1;
constexpr int kPersonLabel = kLabel2, kPersonEdit = kEdit2;
constexpr int kAgencyLabel = kLabel2, kAgencyEdit = kEdit2;
constexpr int kAgentLabel = kLabel3, kAgentEdit = kEdit3;

TEST_F(PhoneFieldsTest, BusinessLine) {
  struct Case {
    std::string telephone, person;
    LinePrefix prefix;
    std::string expected;
  };
  const Case cases[] = {
      {"5551234", "SMITH", {}, "9 5551234 SMITH-B"},
      {"5551234", "", {}, "9 5551234-B"},  // no trailing blank for an empty person
      {"5551234", "SMITH", "2", "92\\u00A4 5551234 SMITH-B"},
      {"", "SMITH", {}, "9 SMITH-B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    freshDialog();
    fields::CFieldBusTel line;
    line.Create(*dialog_, kTelLabel, kTelEdit, kPersonLabel, kPersonEdit, 0, fields::kCreation);
    control(kTelEdit).setText(c.telephone);
    control(kPersonEdit).setText(c.person);
    EXPECT_EQ(line.BuildFragment(c.prefix), c.expected);
  }
}

TEST_F(PhoneFieldsTest, AgencyLine) {
  struct Case {
    std::string telephone, agency, agent;
    LinePrefix prefix;
    std::string expected;
  };
  const Case cases[] = {
      {"5551234", "ACME TRAVEL", "JOE", "3", "93\\u00A4 5551234 ACME TRAVEL/JOE-A"},
      {"5551234", "ACME TRAVEL", "JOE", {}, "9 5551234 ACME TRAVEL/JOE-A"},
      {"5551234", "", "JOE", {}, "9 5551234 JOE-A"},  // no agency: a blank, not a slash
      {"5551234", "ACME TRAVEL", "", {}, "9 5551234 ACME TRAVEL-A"},
      {"5551234", "", "", {}, "9 5551234-A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    freshDialog();
    fields::CFieldAgencyTel line;
    line.Create(*dialog_, kAgencyLabel, kAgencyEdit, kAgentLabel, kAgentEdit, kTelLabel, kTelEdit,
                0, fields::kCreation);
    control(kTelEdit).setText(c.telephone);
    control(kAgencyEdit).setText(c.agency);
    control(kAgentEdit).setText(c.agent);
    EXPECT_EQ(line.BuildFragment(c.prefix), c.expected);
  }
}

TEST_F(PhoneFieldsTest, BusinessLineChecksTelephoneThenPerson) {
  struct Case {
    int personMandatory;
    std::string telephone, person;
    std::string fault;
    int faultyEdit;
    int selectedAt;
  };
  const Case cases[] = {
      {0, "", "", "ERR_PNR_TELNO_NONE", kTelEdit, -1},  // the telephone is always mandatory
      {1, "555I234", "", "ERR_PNR_HOMENO_WRONG", kTelEdit, 3},
      {1, "5551234", "", "ERR_PNR_PERSON_NONE", kPersonEdit, -1},
      {0, "5551234", "", "", 0, -1},
      {1, "5551234", "SMITH", "", 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.personMandatory << " " << c.telephone << " " << c.person);
    freshDialog();
    fields::CFieldBusTel line;
    line.Create(*dialog_, kTelLabel, kTelEdit, kPersonLabel, kPersonEdit, c.personMandatory,
                kModification);
    control(kTelEdit).setText(c.telephone);
    control(kPersonEdit).setText(c.person);
    expectVerdict(line.Validate(), c.fault, c.faultyEdit, "PNR Modification Information",
                  c.selectedAt);
  }
}

TEST_F(PhoneFieldsTest, AgencyLineChecksTelephoneThenAgencyThenAgent) {
  struct Case {
    int namesMandatory;
    std::string telephone, agency, agent;
    std::string fault;
    int faultyEdit;
    int selectedAt;
  };
  const Case cases[] = {
      {0, "", "ACME", "JOE", "ERR_PNR_TELNO_NONE", kTelEdit, -1},
      {1, "555I234", "1ST TRAVEL", "", "ERR_PNR_HOMENO_WRONG", kTelEdit, 3},
      {1, "5551234", "1ST TRAVEL", "JOE", "ERR_PNR_AGENCYNAME_1STCHAR", kAgencyEdit, 0},
      {0, "5551234", "1ST TRAVEL", "", "ERR_PNR_AGENCYNAME_1STCHAR", kAgencyEdit, 0},
      {1, "5551234", "", "JOE", "ERR_PNR_AGENCYNAME_NONE", kAgencyEdit, -1},
      {1, "5551234", "ACME", "", "ERR_PNR_AGENTNAME_SHORT", kAgentEdit, -1},
      {1, "5551234", "ACME 1", "JOE", "", 0, -1},  // only the first character counts
      {0, "5551234", "", "", "", 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.namesMandatory << " " << c.telephone << " " << c.agency << " " << c.agent);
    freshDialog();
    fields::CFieldAgencyTel line;
    line.Create(*dialog_, kAgencyLabel, kAgencyEdit, kAgentLabel, kAgentEdit, kTelLabel, kTelEdit,
                c.namesMandatory, fields::kCreation);
    control(kTelEdit).setText(c.telephone);
    control(kAgencyEdit).setText(c.agency);
    control(kAgentEdit).setText(c.agent);
    expectVerdict(line.Validate(), c.fault, c.faultyEdit, "PNR Creation Information", c.selectedAt);
  }
}

// Every field that holds a telephone number refuses the letter I and selects it.
TEST_F(PhoneFieldsTest, EveryPhoneFieldRefusesTheLetterIAndSelectsIt) {
  struct Case {
    const char* what;
    std::string fault;
    std::function<int(platform::Window&)> validateWithNumber;
  };
  auto single = [](Single kind) {
    return [kind](platform::Window& dialog) {
      Created field = create(kind, dialog, 1);
      field.field->SetText("555I234");
      return field.validate();
    };
  };
  const Case cases[] = {
      {"fax", "ERR_PNR_FAXNO_WRONG", single(Single::Fax)},
      {"telephone", "ERR_PNR_HOMENO_WRONG", single(Single::Tel)},
      {"home", "ERR_PNR_HOMENO_WRONG", single(Single::Home)},
      {"mobile", "ERR_PNR_HOMENO_WRONG", single(Single::Mobile)},
      {"business", "ERR_PNR_HOMENO_WRONG",
       [](platform::Window& dialog) {
         fields::CFieldBusTel line;
         line.Create(dialog, kTelLabel, kTelEdit, kPersonLabel, kPersonEdit, 1, 0);
         dialog.child(kTelEdit)->setText("555I234");
         dialog.child(kPersonEdit)->setText("SMITH");
         return line.Validate();
       }},
      {"agency", "ERR_PNR_HOMENO_WRONG",
       [](platform::Window& dialog) {
         fields::CFieldAgencyTel line;
         line.Create(dialog, kAgencyLabel, kAgencyEdit, kAgentLabel, kAgentEdit, kTelLabel,
                     kTelEdit, 1, 0);
         dialog.child(kTelEdit)->setText("555I234");
         dialog.child(kAgencyEdit)->setText("ACME");
         dialog.child(kAgentEdit)->setText("JOE");
         return line.Validate();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshDialog();
    EXPECT_EQ(c.validateWithNumber(*dialog_), 0);
    ASSERT_EQ(container_.boxes.size(), 1u);
    EXPECT_EQ(container_.boxes.front().text, c.fault);
    EXPECT_EQ(platform::desktop().focus(), &control(kTelEdit));
    expectSelected(kTelEdit, 3, 4);
  }
}

TEST_F(PhoneFieldsTest, CompositeLinesKeepTheirMembersUnderTheirKeys) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.PHONE");
  auto stored = [&profile](std::string_view key) {
    profile.setKeyName(key);
    std::string value;
    profile.getValue(value, "<none>", 1024);
    return value;
  };

  fields::CFieldBusTel business;
  business.Create(*dialog_, kTelLabel, kTelEdit, kPersonLabel, kPersonEdit, 1, 0);
  control(kTelEdit).setText("5551234");
  control(kPersonEdit).setText("SMITH");
  business.Save(profile);
  EXPECT_EQ(stored("BUSTEL"), "5551234");
  EXPECT_EQ(stored("PERSON"), "SMITH");
  business.Clear();
  EXPECT_EQ(control(kTelEdit).text(), "");
  EXPECT_EQ(control(kPersonEdit).text(), "");
  business.Load(profile);
  EXPECT_EQ(control(kTelEdit).text(), "5551234");
  EXPECT_EQ(control(kPersonEdit).text(), "SMITH");

  freshDialog();
  fields::CFieldAgencyTel agency;
  agency.Create(*dialog_, kAgencyLabel, kAgencyEdit, kAgentLabel, kAgentEdit, kTelLabel, kTelEdit,
                1, 0);
  control(kTelEdit).setText("5559876");
  control(kAgencyEdit).setText("ACME TRAVEL");
  control(kAgentEdit).setText("JOE");
  agency.Save(profile);
  EXPECT_EQ(stored("AGENTTEL"), "5559876");
  EXPECT_EQ(stored("AGENCYNAME"), "ACME TRAVEL");
  EXPECT_EQ(stored("AGENTNAME"), "JOE");
  agency.Clear();
  agency.Load(profile);
  EXPECT_EQ(control(kTelEdit).text(), "5559876");
  EXPECT_EQ(control(kAgencyEdit).text(), "ACME TRAVEL");
  EXPECT_EQ(control(kAgentEdit).text(), "JOE");
}

}  // namespace
}  // namespace module::test
