// The passenger name fields: the surname, given-name and title checks, and the pair's rule
// that a name is both parts or, when optional, neither.

#include "fields/NameFields.h"

#include <gtest/gtest.h>

#include "framework/MaskState.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

class NameFieldsTest : public FieldTest {};

constexpr std::string_view kCreation = "PNR Creation Information";

TEST_F(NameFieldsTest, SingleNameFieldsCheckTheirText) {
  enum class Kind { Surname, GivenName, Title };
  struct Case {
    Kind kind;
    int mandatory;
    std::string text;
    std::string fault;  // empty: accepted
  };
  const std::string letters200(200, 'A');
  const Case cases[] = {
      // The surname check ignores the mandatory flag.
      {Kind::Surname, 0, "", "ERR_PNR_SURNAME_NONE"},
      {Kind::Surname, 1, "S", "ERR_PNR_SURNAME_SHORT"},
      {Kind::Surname, 1, "SMITH2", "ERR_PNR_SURNAME_NONALPHA"},
      {Kind::Surname, 1, "VAN DYKE", "ERR_PNR_SURNAME_NONALPHA"},
      {Kind::Surname, 1, "M\xC3\x9CLLER", "ERR_PNR_SURNAME_NONALPHA"},
      {Kind::Surname, 1, "LI", ""},
      {Kind::Surname, 1, letters200, ""},  // longer than the limit, put in by a program
      {Kind::GivenName, 0, "", "ERR_PNR_GIVENNAME_NONE"},
      {Kind::GivenName, 1, "JOHN/MR", ""},
      {Kind::GivenName, 1, "J", ""},
      {Kind::GivenName, 1, "JOHN3", "ERR_PNR_GIVENNAME_NONALPHA"},
      {Kind::GivenName, 1, "JOHN\xE9", "ERR_PNR_GIVENNAME_NONALPHA"},
      {Kind::Title, 0, "", ""},
      {Kind::Title, 1, "", "ERR_PNR_TITLE_SHORT"},
      {Kind::Title, 0, "M", "ERR_PNR_TITLE_SHORT"},
      {Kind::Title, 0, "MR", ""},
      {Kind::Title, 0, "MR1", "ERR_PNR_TITLE_NONALPHA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " \"" << c.text << "\"");
    freshDialog();
    int accepted = 0;
    if (c.kind == Kind::Surname) {
      fields::CFieldSurname field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, 2, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    } else if (c.kind == Kind::GivenName) {
      fields::CFieldGivenName field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    } else {
      fields::CFieldTitle field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    }
    expectVerdict(accepted, c.fault, kEdit1, kCreation);
  }
}

TEST_F(NameFieldsTest, ThePairIsBothPartsOrNeither) {
  struct Case {
    int mandatory;
    std::string surname, given;
    std::string fault;
    int faultyEdit;
  };
  const Case cases[] = {
      {0, "", "", "", 0},
      {1, "", "", "ERR_PNR_SURNAME_NONE", kEdit1},
      {0, "SMITH", "", "ERR_PNR_GIVENNAME_NONE", kEdit2},
      {0, "", "JOHN", "ERR_PNR_SURNAME_NONE", kEdit1},
      {0, "SMITH", "JOHN/MR", "", 0},
      // Both present: the surname is checked first, then the given name.
      {0, "S", "J0HN", "ERR_PNR_SURNAME_SHORT", kEdit1},
      {0, "SMITH", "J0HN", "ERR_PNR_GIVENNAME_NONALPHA", kEdit2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mandatory << " " << c.surname << "/" << c.given);
    freshDialog();
    fields::CFieldName name;
    name.Create(*dialog_, kLabel1, kEdit1, kLabel2, kEdit2, c.mandatory, fields::kModification);
    name.SetSurname(c.surname);
    name.SetGivenName(c.given);
    expectVerdict(name.Validate(), c.fault, c.faultyEdit, "PNR Modification Information");
  }
}

TEST_F(NameFieldsTest, ThePairKeepsBothPartsUnderTheKeysItIsGiven) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.NAME");
  fields::CFieldName name;
  name.Create(*dialog_, kLabel1, kEdit1, kLabel2, kEdit2, 1, fields::kCreation);
  name.SetSurname("SMITH");
  name.SetGivenName("JOHN");
  name.Save(profile, "SURNAMEX", "GIVENX");
  name.Clear();
  EXPECT_EQ(name.GetSurname(), "");
  EXPECT_EQ(name.GetGivenName(), "");
  name.Load(profile, "SURNAMEX", "GIVENX");
  EXPECT_EQ(name.GetSurname(), "SMITH");
  EXPECT_EQ(name.GetGivenName(), "JOHN");
  name.Enable(0);
  EXPECT_FALSE(control(kEdit1).isEnabled());
  EXPECT_FALSE(control(kEdit2).isEnabled());
  name.SelectSurname();
  expectSelected(kEdit1, 0, 5);
}

}  // namespace
}  // namespace module::test
