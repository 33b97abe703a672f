// The ticketing time limit field: the row it lays out for each type, the limits and tooltips
// it switches, the edits a switch empties, the order of its checks, the element it builds and
// the keys it keeps.

#include "fields/TtlField.h"

#include <gtest/gtest.h>

#include <array>

#include "framework/MaskState.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

enum Id {
  kTypeLabel = 250,
  kType = 211,
  kDateLabel = 252,
  kDate = 215,
  kQueueLabel = 254,
  kQueue = 219,
  kSegmentLabel = 270,
  kSegment = 236,
  kTicketLabel = 614
};
constexpr int kOrigin = 10;

constexpr std::array kControls{
    labelAt(kTypeLabel, 0),    comboAt(kType, 0),       labelAt(kDateLabel, 1),
    editAt(kDate, 1),          labelAt(kQueueLabel, 2), editAt(kQueue, 2),
    labelAt(kSegmentLabel, 3), editAt(kSegment, 3),     labelAt(kTicketLabel, 1)};

enum Entry { kTaw = 0, kTicketed = 1, kTicketNumber = 2 };

class TtlFieldTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    bind();
  }
  void bind() {
    freshDialog(kControls);
    field_ = std::make_unique<fields::CFieldTtl>();
    field_->Create(*dialog_, kTypeLabel, kType, kDateLabel, kDate, kQueueLabel, kQueue,
                   kSegmentLabel, kSegment, kOrigin, kTicketLabel, fields::kModification);
  }
  void choose(int entry) {
    platform::chooseEntry(control(kType), entry);
    platform::LRESULT result = 0;
    field_->ProcessWindowMessage(
        {platform::WM_COMMAND, platform::makeWParam(kType, platform::CBN_SELENDOK),
         reinterpret_cast<platform::LPARAM>(&control(kType))},
        result);
  }
  // Where a control sits, in pixels from the row origin, and how wide it is; nothing when
  // hidden.
  std::optional<std::pair<int, int>> placement(int id) const {
    const platform::Window& window = control(id);
    if (!window.isVisible()) return std::nullopt;
    return std::pair{window.rect().left - kOrigin, window.rect().width()};
  }
  std::string tipInStatusLine(int edit) {
    platform::focusControl(control(edit));
    return dialog_->text();
  }

  std::unique_ptr<fields::CFieldTtl> field_;
};

using Placed = std::optional<std::pair<int, int>>;

TEST_F(TtlFieldTest, LaysOutTheRowForEachType) {
  struct Case {
    int entry;
    Placed dateLabel, date, queueLabel, queue, segmentLabel, segment;
    bool ticketLabel;
    int dateLimit, queueLimit;
    std::string queueLabelText, dateTip, queueLabelTip;
  };
  const Case cases[] = {
      {kTaw, std::pair{50, 75}, std::pair{137, 57}, std::pair{227, 89}, std::pair{326, 40},
       std::nullopt, std::nullopt, false, 5, 3, "Queue No:", "TIP_PNR_DATE", "TIP_PNR_QUEUENO"},
      {kTicketed, std::pair{50, 75}, std::pair{137, 57}, std::pair{227, 89}, std::pair{326, 249},
       std::nullopt, std::nullopt, false, 5, 20, "Free text:", "TIP_PNR_DATE", "TIP_PNR_FREETEXT"},
      {kTicketNumber, std::nullopt, std::pair{137, 137}, std::pair{277, 89}, std::pair{376, 69},
       std::pair{447, 47}, std::pair{496, 79}, true, 50, 10, "Name Select:", "TIP_PNR_TICKETNO",
       "TIP_PNR_NAMESELECT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    choose(c.entry);
    EXPECT_EQ(placement(kDateLabel), c.dateLabel);
    EXPECT_EQ(placement(kDate), c.date);
    EXPECT_EQ(placement(kQueueLabel), c.queueLabel);
    EXPECT_EQ(placement(kQueue), c.queue);
    EXPECT_EQ(placement(kSegmentLabel), c.segmentLabel);
    EXPECT_EQ(placement(kSegment), c.segment);
    EXPECT_EQ(control(kTicketLabel).isVisible(), c.ticketLabel);
    EXPECT_EQ(control(kDate).textLimit(), c.dateLimit);
    EXPECT_EQ(control(kQueue).textLimit(), c.queueLimit);
    EXPECT_EQ(control(kQueueLabel).text(), c.queueLabelText);
    EXPECT_EQ(control(kQueueLabel).toolTip(), c.queueLabelTip);
    EXPECT_EQ(tipInStatusLine(kDate), c.dateTip);
    EXPECT_EQ(tipInStatusLine(kQueue), "TIP_PNR_QUEUENO") << "the edit keeps its own tooltip";
    if (c.entry == kTicketNumber) {
      EXPECT_EQ(control(kSegmentLabel).text(), "Seg #:");
      EXPECT_EQ(control(kSegment).textLimit(), 10);
    } else {
      EXPECT_EQ(control(kDateLabel).text(), "LAB_PNR_DATE") << "the link shows the table's text";
    }
  }
}

TEST_F(TtlFieldTest, ASwitchEmptiesTheEditsItShows) {
  platform::typeText(control(kDate), "15MAR");
  platform::typeText(control(kQueue), "100");
  choose(kTicketNumber);
  EXPECT_EQ(control(kDate).text(), "");
  EXPECT_EQ(control(kQueue).text(), "");
  platform::typeText(control(kDate), "12345678901234567890");
  EXPECT_EQ(control(kDate).text(), "12345678901234567890");
  choose(kTaw);
  EXPECT_EQ(control(kDate).text(), "");
  platform::typeText(control(kDate), "15MARCH");
  EXPECT_EQ(control(kDate).text(), "15MAR");  // the limit is back to 5
}

TEST_F(TtlFieldTest, ChecksEachTypeInOrder) {
  struct Case {
    int entry;
    std::string date, queue, segments;
    std::string fault;
    int faultyEdit;
    std::string expected;  // the element with the escape, when accepted
  };
  const std::string ticket = "1234567890123";
  const Case cases[] = {
      {kTaw, "", "", "", "", 0, "7\\u00A4TAW/"},
      {kTaw, "15MAR", "", "", "", 0, "7\\u00A4TAW15MAR/"},
      {kTaw, "15MAR", "100", "", "", 0, "7\\u00A4TAW15MAR100/"},
      {kTaw, "5MA", "", "", "ERR_PNR_DATE_SHORT", kDate, ""},
      {kTaw, "32MAR", "", "", "ERR_PNR_DATE_INVALID", kDate, ""},
      {kTaw, "15MAR", "49", "", "ERR_PNR_QUEUENO_OUTOFRANGE", kQueue, ""},
      {kTaw, "15MAR", "512", "", "ERR_PNR_QUEUENO_OUTOFRANGE", kQueue, ""},
      {kTaw, "15MAR", "600", "", "ERR_PNR_QUEUENO_OUTOFRANGE", kQueue, ""},
      {kTaw, "", "50", "", "", 0, "7\\u00A4TAW50/"},
      {kTaw, "", "511", "", "", 0, "7\\u00A4TAW511/"},
      {kTaw, "", "5A", "", "ERR_PNR_QUEUENO_NONDECIMAL", kQueue, ""},
      {kTaw, "", "+50", "", "ERR_PNR_QUEUENO_NONDECIMAL", kQueue, ""},
      {kTaw, "", "99999999999999999999", "", "ERR_PNR_QUEUENO_OUTOFRANGE", kQueue, ""},
      {kTicketed, "15MAR", "PAID", "", "", 0, "7\\u00A4T-APAID/15MAR"},
      {kTicketed, "", "", "", "", 0, "7\\u00A4T-A"},
      {kTicketed, "", "PAID!", "", "ERR_PNR_FREETEXT_ALPHA_FIELD", kQueue, ""},
      {kTicketed, "1", "PAID", "", "ERR_PNR_DATE_SHORT", kDate, ""},
      {kTicketNumber, ticket, "1.1", "1-2", "", 0,
       "7\\u00A4T-TK1234567890123\\u00A5N1.1\\u00A5S1-2"},
      {kTicketNumber, ticket, "", "", "", 0, "7\\u00A4T-TK1234567890123"},
      {kTicketNumber, "", "", "", "ERR_PNR_TICKET_NO_MANDATORY", kDate, ""},
      {kTicketNumber, "123456789012", "", "", "ERR_PNR_TICKETNO_SHORT", kDate, ""},
      {kTicketNumber, "1234567890/23", "", "", "ERR_TICKET_NO_INVALID_FORMAT", kDate, ""},
      {kTicketNumber, ticket, "1/1", "", "ERR_CARSELL_NAME_SELECT_INVALID", kQueue, ""},
      {kTicketNumber, ticket, "", "1 2", "ERR_PNR_SEGNO_NONNUMERIC", kSegment, ""},
      {kTicketNumber, ticket + "\xE4", "", "", "ERR_TICKET_NO_INVALID_FORMAT", kDate, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.entry << " [" << c.date << "] [" << c.queue << "] [" << c.segments << "]");
    bind();
    choose(c.entry);
    control(kDate).setText(c.date);
    control(kQueue).setText(c.queue);
    control(kSegment).setText(c.segments);
    expectVerdict(field_->Validate(), c.fault, c.faultyEdit, "PNR Modification Information");
    if (c.fault.empty()) {
      EXPECT_EQ(field_->BuildFragment(true), c.expected);
    }
  }
}

TEST_F(TtlFieldTest, WithoutTheEscapeTheElementStartsWithTheSevenAlone) {
  control(kDate).setText("15MAR");
  EXPECT_EQ(field_->BuildFragment(false), "7TAW15MAR/");
  control(kType).setCurrentEntry(-1);
  EXPECT_EQ(field_->Validate(), 0);
  expectReported("ERR_PNR_TYPE_NONE", kType, "PNR Modification Information");
}

TEST_F(TtlFieldTest, RestoresTheTypeFirstSoTheTextsLandInItsRow) {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.TTL");
  choose(kTicketNumber);
  control(kDate).setText("1234567890123");
  control(kQueue).setText("1.1");
  control(kSegment).setText("1-2");
  field_->Save(profile);
  for (const auto& [key, value] : {std::pair{"TTL", "2"}, std::pair{"DATE", "1234567890123"},
                                   std::pair{"QUEUENO", "1.1"}, std::pair{"QUEUENO2", "1-2"}}) {
    profile.setKeyName(key);
    std::string stored;
    profile.getValue(stored, "<none>", 1024);
    EXPECT_EQ(stored, value) << key;
  }
  field_->Clear();
  EXPECT_EQ(control(kType).currentEntry(), kTaw);
  EXPECT_FALSE(control(kSegment).isVisible());
  EXPECT_EQ(control(kDate).text(), "");
  field_->Load(profile);
  EXPECT_EQ(control(kType).currentEntry(), kTicketNumber);
  EXPECT_TRUE(control(kSegment).isVisible());
  EXPECT_TRUE(control(kTicketLabel).isVisible());
  EXPECT_EQ(field_->BuildFragment(true), "7\\u00A4T-TK1234567890123\\u00A5N1.1\\u00A5S1-2");
}

}  // namespace
}  // namespace module::test
