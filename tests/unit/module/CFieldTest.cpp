// The field base class: binding to the dialog's controls, label colours, fault reports,
// whiteboard persistence, and the keys and lengths every field class binds with.

#include "fields/CField.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fields/AddressFields.h"
#include "fields/EmailField.h"
#include "fields/NameFields.h"
#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "fields/RemarkFields.h"
#include "framework/MaskState.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using fields::CField;
using platform::COLORREF;
using platform::RGB;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNearlyBlack = RGB(0, 0, 1);
constexpr COLORREF kBackground = RGB(155, 204, 255);

class CFieldTest : public FieldTest {};

// Keeps the fields of one case alive while their controls are looked at.
using Holder = std::vector<std::shared_ptr<void>>;

// Binds a field of the class to label 10 and edit 11, mandatory, with the class's own
// creator arguments after that.
template <class Field, class... Extra>
auto single(Extra... extra) {
  return [=](platform::Window& dialog, Holder& holder) {
    auto field = std::make_shared<Field>();
    field->Create(dialog, kLabel1, kEdit1, 1, extra...);
    holder.push_back(field);
  };
}

TEST_F(CFieldTest, LabelColourFollowsTheMandatoryFlag) {
  struct Case {
    int createdMandatory;
    std::optional<int> setMandatory;
    COLORREF expected;
  };
  const Case cases[] = {
      {1, {}, kRed},
      {0, {}, kNearlyBlack},
      {0, 1, kRed},
      {1, 0, kNearlyBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.createdMandatory << " then " << (c.setMandatory ? *c.setMandatory : -9));
    freshDialog();
    CField field;
    EXPECT_EQ(field.Create(*dialog_, kLabel1, kEdit1, c.createdMandatory, 10, "LAB_T", "TIP_T", 0),
              1);
    if (c.setMandatory) {
      EXPECT_EQ(field.SetMandatory(*c.setMandatory), 1);
      EXPECT_EQ(field.IsMandatory(), *c.setMandatory);
    }
    const LabelPaint paint = paintOf(control(kLabel1));
    ASSERT_TRUE(paint.answered);
    EXPECT_EQ(paint.text, c.expected);
    EXPECT_EQ(paint.background, kBackground);
    EXPECT_EQ(paint.brush->colour, kBackground);
  }
}

TEST_F(CFieldTest, CreateLabelsTheFieldFromTheLanguageTable) {
  CField field;
  field.Create(*dialog_, kLabel1, kEdit1, 1, 10, "LAB_T", "TIP_T", 0);
  platform::Window& label = control(kLabel1);
  EXPECT_EQ(label.text(), "LAB_T");
  EXPECT_EQ(label.toolTip(), "TIP_T");
  ASSERT_NE(label.font(), nullptr);
  EXPECT_EQ(label.font()->face, "Arial");
  EXPECT_EQ(label.font()->height, 14);
  EXPECT_EQ(label.font()->weight, platform::FW_BOLD);
  EXPECT_EQ(control(kEdit1).textLimit(), 10);
  EXPECT_EQ(control(kEdit1).text(), "") << "creating sets no value";

  field.SetFocus();
  EXPECT_EQ(dialog_->text(), "TIP_T") << "the focused field's tooltip goes to the status line";
}

TEST_F(CFieldTest, WithoutALabelTheLabelOperationsDoNothing) {
  CField field;
  ASSERT_EQ(field.Create(*dialog_, -1, kEdit1, 1, 10, "LAB_T", "TIP_T", 0), 1);
  EXPECT_EQ(field.SetMandatory(0), 0);
  EXPECT_EQ(field.IsMandatory(), 1) << "SetMandatory changed the flag";
  EXPECT_EQ(field.ShowLabel(platform::SW_HIDE), 0);
  // The dialog's label control was not touched.
  EXPECT_EQ(control(kLabel1).text(), kTemplateLabel);
  EXPECT_TRUE(control(kLabel1).isVisible());
  EXPECT_FALSE(paintOf(control(kLabel1)).answered);
  // The value control is bound all the same.
  field.SetText("ABC");
  EXPECT_EQ(control(kEdit1).text(), "ABC");
}

TEST_F(CFieldTest, ShowLabelAnswersWhetherTheLabelWasVisible) {
  CField field;
  field.Create(*dialog_, kLabel1, kEdit1, 0, 10, "LAB_T", "TIP_T", 0);
  EXPECT_NE(field.ShowLabel(platform::SW_HIDE), 0);
  EXPECT_FALSE(control(kLabel1).isVisible());
  EXPECT_EQ(field.ShowLabel(platform::SW_SHOW), 0);
  EXPECT_TRUE(control(kLabel1).isVisible());
}

TEST_F(CFieldTest, FaultsAreReportedUnderTheCaptionOfTheMaskFamily) {
  struct Case {
    int modification;
    const char* caption;
  };
  const Case cases[] = {
      {fields::kCreation, "PNR Creation Information"},
      {fields::kModification, "PNR Modification Information"},
      {1, "PNR Modification Information"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.modification);
    freshDialog();
    fields::CFieldFaxNo field;
    field.Create(*dialog_, kLabel1, kEdit1, 1, c.modification);
    EXPECT_EQ(field.Validate(), 0);
    expectReported("ERR_PNR_FAXNO_NONE", kEdit1, c.caption);
  }
}

TEST_F(CFieldTest, CheckRequiredRefusesOnlyAnEmptyMandatoryText) {
  struct Case {
    int mandatory;
    std::string text;
    int expected;
  };
  const Case cases[] = {
      {1, "", 0}, {0, "", 1}, {1, "X", 1}, {1, " ", 1},  // not trimmed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mandatory << " \"" << c.text << "\"");
    freshDialog();
    CField field;
    field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, 10, "LAB_T", "TIP_T", 0);
    field.SetText(c.text);
    EXPECT_EQ(field.CheckRequired("ERR_T_NONE"), c.expected);
    if (c.expected == 0) {
      expectReported("ERR_T_NONE", kEdit1);
    } else {
      EXPECT_TRUE(container_.boxes.empty());
    }
  }
}

TEST_F(CFieldTest, SaveAndLoadGoThroughTheWhiteboardKey) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.FIELD");
  CField field;
  field.Create(*dialog_, kLabel1, kEdit1, 1, 10, "LAB_T", "TIP_T", 0);

  field.SetText("KEPT");
  field.Save(profile, "VALUE");
  field.Clear();
  EXPECT_EQ(field.GetText(), "");
  field.Load(profile, "VALUE");
  EXPECT_EQ(field.GetText(), "KEPT");

  field.Load(profile, "MISSING");
  EXPECT_EQ(field.GetText(), "") << "a missing key leaves the field empty";
}

TEST_F(CFieldTest, TheTextLimitBindsTypingButNotSetText) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.FIELD");
  profile.setKeyName("LONG");
  profile.setValue("1234567");

  CField field;
  field.Create(*dialog_, kLabel1, kEdit1, 1, 5, "LAB_T", "TIP_T", 0);
  platform::typeText(control(kEdit1), "1234567");
  EXPECT_EQ(field.GetText(), "12345");
  field.SetText("ABCDEFG");
  EXPECT_EQ(field.GetText(), "ABCDEFG");
  field.Load(profile, "LONG");
  EXPECT_EQ(field.GetText(), "1234567");
}

TEST_F(CFieldTest, ControlsTheDialogDoesNotHoldLeaveTheFieldInert) {
  CField field;
  ASSERT_EQ(field.Create(*dialog_, 98, 99, 1, 10, "LAB_T", "TIP_T", 0), 1);
  field.SetText("ABC");
  EXPECT_EQ(field.GetText(), "");
  field.SetFocus();
  field.Enable(0);
  field.Show(platform::SW_HIDE);
  EXPECT_EQ(field.CheckRequired("ERR_T_NONE"), 0);
  ASSERT_EQ(container_.boxes.size(), 1u);
  EXPECT_EQ(container_.boxes.front().text, "ERR_T_NONE");
}

TEST_F(CFieldTest, KeysTheTableLacksLeaveTheTemplateTextsAndAnEmptyMessage) {
  home_->write("languages/ZZ1.txt", "LAB_KNOWN=Known label\nTIP_KNOWN=Known tip\n");
  LANG_load("ZZ1");
  struct Restore {
    ~Restore() { LANG_unload(); }
  } restore;

  CField unknown;
  unknown.Create(*dialog_, kLabel1, kEdit1, 1, 10, "LAB_MISSING", "TIP_MISSING", 0);
  EXPECT_EQ(control(kLabel1).text(), kTemplateLabel);
  EXPECT_EQ(control(kLabel1).toolTip(), "");
  unknown.ReportError("ERR_MISSING");
  ASSERT_EQ(container_.boxes.size(), 1u);
  EXPECT_EQ(container_.boxes.front().text, "");

  CField known;
  known.Create(*dialog_, kLabel2, kEdit2, 1, 10, "LAB_KNOWN", "TIP_KNOWN", 0);
  EXPECT_EQ(control(kLabel2).text(), "Known label");
  EXPECT_EQ(control(kLabel2).toolTip(), "Known tip");
}

TEST_F(CFieldTest, EveryFieldClassBindsWithItsOwnKeysAndLength) {
  using namespace fields;
  struct Bound {
    int labelId;
    const char* labKey;
    const char* tipKey;
    int maxLength;
    COLORREF labelColour;
  };
  struct Case {
    const char* what;
    std::function<void(platform::Window&, Holder&)> bind;
    std::vector<Bound> expected;
  };
  const Case cases[] = {
      {"fax", single<CFieldFaxNo>(0), {{kLabel1, "LAB_PNR_FAXNO", "TIP_PNR_FAXNO", 40, kRed}}},
      {"home", single<CFieldHomeNo>(), {{kLabel1, "LAB_PNR_HOMENO", "TIP_PNR_HOMENO", 40, kRed}}},
      {"mobile", single<CFieldMobNo>(), {{kLabel1, "LAB_PH_NO", "TOOLTIP_MOB_PH_NO", 40, kRed}}},
      {"person",
       single<CFieldPerson>(0),
       {{kLabel1, "LAB_PNR_PERSON", "TIP_PNR_PERSON", 20, kRed}}},
      {"agency name",
       single<CFieldAgencyName>(0),
       {{kLabel1, "LAB_PNR_AGENCYNAME", "TIP_PNR_AGENCYNAME", 50, kRed}}},
      {"agent name",
       single<CFieldAgentName>(0),
       {{kLabel1, "LAB_PNR_AGENTNAME", "TIP_PNR_AGENTNAME", 15, kRed}}},
      {"line", single<CFieldLineNo>(0), {{kLabel1, "LAB_PNR_LINENO", "TIP_PNR_LINENO", 2, kRed}}},
      {"passenger name number",
       single<CFieldPaxNameNo>(),
       {{kLabel1, "LAB_PNR_PAXNAMENO", "TIP_PNR_PAXNAMENO", 5, kRed}}},
      {"passenger name numbers",
       single<CFieldPaxNameNos>(),
       {{kLabel1, "LAB_PNR_PAXNAMENOS", "TIP_PNR_PAXNAMENOS", 40, kRed}}},
      {"seat", single<CFieldSeatNo>(), {{kLabel1, "LAB_PNR_SEATNO", "TIP_PNR_SEATNO", 2, kRed}}},
      {"segment",
       single<CFieldSegmentNo>(),
       {{kLabel1, "LAB_PNR_SEGMENTNO", "TIP_PNR_SEGMENTNO", 15, kRed}}},
      {"number in group",
       single<CFieldNoInGrp>(0),
       {{kLabel1, "LAB_PNR_NOINGRP", "TIP_PNR_NOINGRP", 2, kRed}}},
      {"passengers to divide",
       single<CFieldNoPaxDivide>(0),
       {{kLabel1, "LAB_PNR_NOPAXDIVIDE", "TIP_PNR_NOPAXDIVIDE", 2, kRed}}},
      // The telephone of a composite line is mandatory whatever its names are.
      {"business line",
       [](platform::Window& dialog, Holder& holder) {
         auto line = std::make_shared<CFieldBusTel>();
         line->Create(dialog, kLabel1, kEdit1, kLabel2, kEdit2, 0, 0);
         holder.push_back(line);
       },
       {{kLabel1, "LAB_PNR_BUSTEL", "TIP_PNR_BUSTEL", 40, kRed},
        {kLabel2, "LAB_PNR_PERSON", "TIP_PNR_PERSON", 20, kNearlyBlack}}},
      {"agency line",
       [](platform::Window& dialog, Holder& holder) {
         auto line = std::make_shared<CFieldAgencyTel>();
         line->Create(dialog, kLabel2, kEdit2, kLabel3, kEdit3, kLabel1, kEdit1, 0, 0);
         holder.push_back(line);
       },
       {{kLabel1, "LAB_PNR_AGENCYTEL", "TIP_PNR_AGENCYTEL", 40, kRed},
        {kLabel2, "LAB_PNR_AGENCYNAME", "TIP_PNR_AGENCYNAME", 50, kNearlyBlack},
        {kLabel3, "LAB_PNR_AGENTNAME", "TIP_PNR_AGENTNAME", 15, kNearlyBlack}}},
      {"surname",
       single<CFieldSurname>(2, 0),
       {{kLabel1, "LAB_PNR_SURNAME", "TIP_PNR_SURNAME", 30, kRed}}},
      {"given name",
       single<CFieldGivenName>(0),
       {{kLabel1, "LAB_PNR_GIVENNAME", "TIP_PNR_GIVENNAME", 32, kRed}}},
      {"title", single<CFieldTitle>(0), {{kLabel1, "LAB_PNR_TITLE", "TIP_PNR_TITLE", 12, kRed}}},
      {"received from",
       single<CFieldReceivedFrom>(0),
       {{kLabel1, "LAB_PNR_RECEIVEDFROM", "TIP_PNR_RECEIVEDFROM", 30, kRed}}},
      {"address",
       single<CFieldAddress>(0),
       {{kLabel1, "LAB_PNR_ADDRESS", "TIP_PNR_ADDRESS", 50, kRed}}},
      {"group name",
       single<CFieldGrpName>(2, 0),
       {{kLabel1, "LAB_PNR_GRPNAME", "TIP_PNR_GRPNAME", 40, kRed}}},
      {"carrier code",
       single<CFieldCarrierCode>(0),
       {{kLabel1, "LAB_PNR_CARRIERCODE", "TIP_PNR_CARRIERCODE", 2, kRed}}},
      {"optional name pair",
       [](platform::Window& dialog, Holder& holder) {
         auto name = std::make_shared<CFieldName>();
         name->Create(dialog, kLabel1, kEdit1, kLabel2, kEdit2, 0, 0);
         holder.push_back(name);
       },
       {{kLabel1, "LAB_PNR_SURNAME", "TIP_PNR_SURNAME", 30, kNearlyBlack},
        {kLabel2, "LAB_PNR_GIVENNAME", "TIP_PNR_GIVENNAME", 32, kNearlyBlack}}},
      // Only the address follows the mandatory flag; free text and passenger are optional.
      {"e-mail",
       [](platform::Window& dialog, Holder& holder) {
         auto email = std::make_shared<CFieldEmail>();
         email->Create(dialog, kLabel1, kEdit1, kLabel2, kEdit2, kLabel3, kEdit3, 1, 0);
         holder.push_back(email);
       },
       {{kLabel1, "LAB_PNR_EMAIL", "TIP_PNR_EMAIL", 40, kRed},
        {kLabel2, "LAB_PNR_FREETEXT", "TIP_PNR_EMAILFREETEXT", 30, kNearlyBlack},
        {kLabel3, "LAB_PNR_PAXNAME", "TIP_PNR_PAXNAME", 17, kNearlyBlack}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshDialog();
    Holder holder;
    c.bind(*dialog_, holder);
    for (const Bound& b : c.expected) {
      SCOPED_TRACE(b.labKey);
      EXPECT_EQ(control(b.labelId).text(), b.labKey);
      EXPECT_EQ(control(b.labelId).toolTip(), b.tipKey);
      EXPECT_EQ(control(b.labelId + 1).textLimit(), b.maxLength);
      EXPECT_EQ(paintOf(control(b.labelId)).text, b.labelColour);
    }
  }
}

}  // namespace
}  // namespace module::test
