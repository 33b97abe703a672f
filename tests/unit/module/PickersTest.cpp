// Link labels and the pickers they open: the date text of the calendar, which messages
// activate a link, the disabled-target rule, label modes, F1 and double clicks in the value
// control, and the code-lookup table every mask class shares.

#include <gtest/gtest.h>

#include <deque>

#include "desk/controls/PickerControls.h"
#include "fields/AddressFields.h"
#include "fields/CCalendarDialog.h"
#include "fields/CField.h"
#include "framework/TorvanMaskT.h"
#include "platform/window/AgentInput.h"
#include "platform/window/TextMetrics.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using namespace platform;

TEST(CalendarDateTextTest, DayInTwoDigitsAndTheMonthsAbbreviation) {
  struct Case {
    int day, month;
    const char* expected;
  };
  const Case cases[] = {
      {5, 3, "05MAR"}, {31, 12, "31DEC"}, {1, 1, "01JAN"}, {29, 2, "29FEB"}, {10, 6, "10JUN"},
      {7, 7, "07JUL"}, {15, 9, "15SEP"},  {0, 13, ""},     {5, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fields::calendarDateText(c.day, c.month), c.expected) << c.day << "/" << c.month;
  }
}

// A container that answers each picker with the next queued answer (none: cancelled) and
// records which pickers opened and which table the code lookup was given.
class PickerContainer : public RecordingContainer {
 public:
  void runPicker(std::string_view kind, Window&, IDispatch& control) override {
    opened.emplace_back(kind);
    std::optional<std::vector<std::string>> answer;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    if (desk::MonthControl* calendar = desk::MonthControl::of(control)) {
      if (answer && calendar->choose({std::stoi((*answer)[0]), std::stoi((*answer)[1]),
                                      std::stoi((*answer)[2])})) {
        return;
      }
      calendar->cancel();
    } else if (desk::CoderControl* lookup = desk::CoderControl::of(control)) {
      tables.push_back(lookup->table().path());
      if (answer && lookup->choose((*answer)[0], (*answer)[1])) return;
      lookup->close();
    }
  }
  std::vector<std::string> opened;
  std::vector<std::string> tables;
  std::deque<std::optional<std::vector<std::string>>> answers;
};

class LinkLabelTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    desk::registerPickerControls();
    platform::desktop().setContainer(&pickers_);
    home_->write("coder/city.xml", "<Coder><T><C>SIN</C><D>Singapore</D></T></Coder>");
  }
  // The middle of the label's text, and a point beside it.
  LPARAM insideText() const {
    const Rect text = textRectangle(control(kLabel1));
    return makeLParam((text.left + text.right) / 2, (text.top + text.bottom) / 2);
  }
  LPARAM besideText() const {
    const Rect text = textRectangle(control(kLabel1));
    return makeLParam(text.right + 5, (text.top + text.bottom) / 2);
  }
  COLORREF colourOf(Window& label) const {
    DeviceContext context{0, 0};
    label.send(OCM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&context),
               reinterpret_cast<LPARAM>(&label));
    return context.textColour;
  }

  PickerContainer pickers_;
  fields::CField field_;
};

TEST_F(LinkLabelTest, ActivatesOnAClickOnItsTextOrEnterOrSpace) {
  field_.Create(*dialog_, kLabel1, kEdit1, 0, 5, "LAB_T", "TIP_T", 0);
  ASSERT_EQ(field_.SetLabelMode(1), 1);
  Window& label = control(kLabel1);
  EXPECT_EQ(label.send(WM_GETDLGCODE), DLGC_WANTCHARS);

  pickers_.answers = {std::vector<std::string>{"5", "3", "2026"}};
  click(label);
  EXPECT_EQ(control(kEdit1).text(), "05MAR");
  EXPECT_EQ(desktop().focus(), &control(kEdit1));

  // Pressed on the text, released beside it: nothing opens.
  label.send(WM_LBUTTONDOWN, 0, insideText());
  label.send(WM_LBUTTONUP, 0, besideText());
  // Pressed beside the text: no capture, so the release opens nothing either.
  label.send(WM_LBUTTONDOWN, 0, besideText());
  label.send(WM_LBUTTONUP, 0, insideText());
  EXPECT_EQ(pickers_.opened.size(), 1u);

  // Enter and Space on the focused link; the mask does not see the Enter.
  pickers_.answers = {std::vector<std::string>{"31", "12", "2026"}, std::nullopt};
  focusControl(label);
  pressKey(Key::Enter);
  EXPECT_EQ(control(kEdit1).text(), "31DEC");
  focusControl(label);
  pressKey(Key::Space);
  EXPECT_EQ(control(kEdit1).text(), "31DEC") << "a cancelled calendar leaves the text";
  EXPECT_EQ(desktop().focus(), &control(kEdit1));
  EXPECT_EQ(pickers_.opened, (std::vector<std::string>{"calendar", "calendar", "calendar"}));
}

TEST_F(LinkLabelTest, ADisabledTargetOpensNothing) {
  field_.Create(*dialog_, kLabel1, kEdit1, 0, 5, "LAB_T", "TIP_T", 0);
  field_.SetLabelMode(2, "coder/city.xml");
  control(kEdit1).setText("HKG");
  control(kEdit1).enable(false);
  Window& label = control(kLabel1);
  click(label);
  focusControl(label);
  pressKey(Key::Enter);
  EXPECT_TRUE(pickers_.opened.empty());
  EXPECT_EQ(control(kEdit1).text(), "HKG");
}

TEST_F(LinkLabelTest, HoverPaintsTheLinkInItsHoverColourAndUnderlined) {
  field_.Create(*dialog_, kLabel1, kEdit1, 0, 5, "LAB_T", "TIP_T", 0);
  field_.SetLabelMode(1);
  Window& label = control(kLabel1);
  EXPECT_EQ(colourOf(label), fields::kLinkColour);
  label.send(WM_MOUSEMOVE, 0, insideText());
  EXPECT_EQ(colourOf(label), fields::kLinkHoverColour);
  ASSERT_NE(label.font(), nullptr);
  EXPECT_TRUE(label.font()->underline);
  EXPECT_EQ(label.send(WM_SETCURSOR), 1) << "the hand over the text";
  label.send(WM_MOUSEMOVE, 0, besideText());
  EXPECT_EQ(colourOf(label), fields::kLinkColour);
  label.send(WM_MOUSEMOVE, 0, insideText());
  label.send(WM_MOUSELEAVE);
  EXPECT_EQ(colourOf(label), fields::kLinkColour);
  EXPECT_FALSE(label.font()->underline);
}

TEST_F(LinkLabelTest, LabelModesMoveTheLabelBetweenPlainAndLink) {
  field_.Create(*dialog_, kLabel1, kEdit1, 1, 5, "LAB_T", "TIP_T", 0);
  Window& label = control(kLabel1);
  const COLORREF plain = colourOf(label);
  EXPECT_EQ(field_.SetLabelMode(3, "coder/city.xml"), 0);
  EXPECT_EQ(field_.SetLabelMode(-1), 0);
  EXPECT_EQ(field_.LabelMode(), 0);
  EXPECT_EQ(colourOf(label), plain);

  ASSERT_EQ(field_.SetLabelMode(2, "coder/city.xml"), 1);
  EXPECT_EQ(colourOf(label), fields::kLinkMandatoryColour);
  field_.SetMandatory(0);
  EXPECT_EQ(colourOf(label), fields::kLinkColour);
  EXPECT_EQ(label.text(), "LAB_T");
  EXPECT_EQ(label.toolTip(), "TIP_T");
  pickers_.answers = {std::vector<std::string>{"SIN", "Singapore"}};
  click(label);
  EXPECT_EQ(control(kEdit1).text(), "SIN");
  EXPECT_EQ(pickers_.tables, std::vector<std::string>{"coder/city.xml"});

  // Back to a plain label: its own colours again, and no picker on a click or F1.
  ASSERT_EQ(field_.SetLabelMode(0), 1);
  EXPECT_EQ(colourOf(label), fields::kOptionalColour);
  click(label);
  focusControl(control(kEdit1));
  pressKey(Key::F1);
  doubleClick(control(kEdit1));
  EXPECT_EQ(pickers_.opened.size(), 1u);
}

// A disabled field takes neither the focus nor a key: F1 there opens nothing, whether the
// focus was sent to it while disabled or it had the focus before.
TEST_F(LinkLabelTest, ADisabledFieldOpensNoPickerOnF1) {
  field_.Create(*dialog_, kLabel1, kEdit1, 0, 5, "LAB_T", "TIP_T", 0);
  field_.SetLabelMode(2, "coder/city.xml");
  Window& edit = control(kEdit1);
  edit.enable(false);
  focusControl(edit);
  EXPECT_NE(desktop().focus(), &edit);
  pressKey(Key::F1, dialog_.get());
  edit.enable(true);
  focusControl(edit);
  edit.enable(false);
  pressKey(Key::F1, dialog_.get());
  EXPECT_TRUE(pickers_.opened.empty());
}

TEST_F(LinkLabelTest, F1AndADoubleClickOpenTheFieldsPicker) {
  field_.Create(*dialog_, kLabel1, kEdit1, 0, 5, "LAB_T", "TIP_T", 0);
  field_.SetLabelMode(2, "coder/city.xml");
  pickers_.answers = {std::vector<std::string>{"SIN", "Singapore"}, std::nullopt};
  focusControl(control(kEdit1));
  pressKey(Key::F1);
  EXPECT_EQ(control(kEdit1).text(), "SIN");
  doubleClick(control(kEdit1));
  EXPECT_EQ(control(kEdit1).text(), "SIN") << "a closed lookup leaves the text";
  EXPECT_EQ(desktop().focus(), &control(kEdit1));
  EXPECT_EQ(pickers_.opened, (std::vector<std::string>{"coder", "coder"}));

  // A double click in a field without a picker leaves its selection alone.
  fields::CField plain;
  plain.Create(*dialog_, kLabel2, kEdit2, 0, 10, "LAB_T", "TIP_T", 0);
  typeText(control(kEdit2), "SMITH");
  doubleClick(control(kEdit2));
  const TextSelection selection = control(kEdit2).selection();
  EXPECT_EQ(selection.start, selection.end);
  EXPECT_EQ(pickers_.opened.size(), 2u);
}

TEST_F(LinkLabelTest, TheCarrierCodeLabelOpensTheCarriersTableOfTheMainSettings) {
  WHITEBOARD_putString("SYSTEM", "Path", home_->folder().string(), kWhiteboardName);
  home_->write("TorvanMain.ini", "[ENCODER]\nENCODER_CARRIER=coder/city.xml\n");
  fields::CFieldCarrierCode carrier;
  ASSERT_EQ(carrier.Create(*dialog_, kLabel1, kEdit1, 1, fields::kCreation), 1);
  EXPECT_EQ(carrier.LabelMode(), 2);
  EXPECT_EQ(colourOf(control(kLabel1)), fields::kLinkMandatoryColour);
  EXPECT_EQ(control(kLabel1).text(), "LAB_PNR_CARRIERCODE");
  EXPECT_EQ(control(kEdit1).textLimit(), 2);
  click(control(kLabel1));
  EXPECT_EQ(pickers_.tables, std::vector<std::string>{"coder/city.xml"});
}

struct FirstMask {};
struct SecondMask {};

TEST_F(LinkLabelTest, EachMaskClassSharesOneLookupTableReadAtEveryConstruction) {
  WHITEBOARD_putString("SYSTEM", "Path", home_->folder().string(), kWhiteboardName);
  home_->write("TorvanMain.ini", "[ENCODER]\nENCODER_CITY=first\nENCODER_CARRIER=C1\n");
  framework::TorvanMaskT<FirstMask> first("FirstMask");
  framework::TorvanMaskT<SecondMask> other("SecondMask");
  home_->write("TorvanMain.ini", "[encoder]\nencoder_city=second\n");
  framework::TorvanMaskT<FirstMask> second("FirstMask");

  using Table = framework::TorvanMaskT<FirstMask>;
  EXPECT_EQ(Table::codeLookupTable().text(framework::CodeList::City), "second");
  EXPECT_EQ(Table::codeLookupTable().text(framework::CodeList::Carrier), "");
  EXPECT_EQ(framework::TorvanMaskT<SecondMask>::codeLookupTable().text(framework::CodeList::City),
            "first");
  EXPECT_EQ(framework::CodeLookupTable::key(framework::CodeList::CruiseSpecialRemark),
            "ENCODER_DOSS_CRUISE_SPECIAL_REMARK");
}

}  // namespace
}  // namespace module::test
