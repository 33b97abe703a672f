// The line, passenger, seat, segment and group-size number fields: what each accepts, the key
// of each fault, the character it selects, and the normal form the segment number takes.

#include "fields/NumberFields.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using fields::CField;

enum class Kind { LineNo, PaxNameNo, PaxNameNos, SeatNo, SegmentNo, NoInGrp, NoPaxDivide };

const char* nameOf(Kind kind) {
  switch (kind) {
    case Kind::LineNo:
      return "CFieldLineNo";
    case Kind::PaxNameNo:
      return "CFieldPaxNameNo";
    case Kind::PaxNameNos:
      return "CFieldPaxNameNos";
    case Kind::SeatNo:
      return "CFieldSeatNo";
    case Kind::SegmentNo:
      return "CFieldSegmentNo";
    case Kind::NoInGrp:
      return "CFieldNoInGrp";
    case Kind::NoPaxDivide:
      return "CFieldNoPaxDivide";
  }
  return "";
}

// One number field bound to label 10 and edit 11, validated through its own class.
class NumberField {
 public:
  virtual ~NumberField() = default;
  virtual CField& field() = 0;
  virtual int Validate() = 0;
};

template <class Field>
class Bound : public NumberField {
 public:
  template <class... Extra>
  Bound(platform::Window& dialog, int mandatory, Extra... extra) {
    field_.Create(dialog, kLabel1, kEdit1, mandatory, extra...);
  }
  CField& field() override { return field_; }
  int Validate() override { return field_.Validate(); }

 private:
  Field field_;
};

std::unique_ptr<NumberField> bind(Kind kind, platform::Window& dialog, int mandatory) {
  using namespace fields;
  switch (kind) {
    case Kind::LineNo:
      return std::make_unique<Bound<CFieldLineNo>>(dialog, mandatory, kCreation);
    case Kind::PaxNameNo:
      return std::make_unique<Bound<CFieldPaxNameNo>>(dialog, mandatory);
    case Kind::PaxNameNos:
      return std::make_unique<Bound<CFieldPaxNameNos>>(dialog, mandatory);
    case Kind::SeatNo:
      return std::make_unique<Bound<CFieldSeatNo>>(dialog, mandatory);
    case Kind::SegmentNo:
      return std::make_unique<Bound<CFieldSegmentNo>>(dialog, mandatory);
    case Kind::NoInGrp:
      return std::make_unique<Bound<CFieldNoInGrp>>(dialog, mandatory, kCreation);
    case Kind::NoPaxDivide:
      return std::make_unique<Bound<CFieldNoPaxDivide>>(dialog, mandatory, 0);
  }
  return nullptr;
}

struct Selection {
  int start, end;
};

struct Case {
  Kind kind;
  int mandatory;
  std::string text;
  std::string fault;                     // the error key; empty when the text is accepted
  std::optional<Selection> selected;     // the faulty part, for faults at a character
  std::optional<std::string> rewritten;  // the text after an accepted validation, when changed
};

class NumberFieldsTest : public FieldTest {
 protected:
  void check(const Case& c) {
    SCOPED_TRACE(testing::Message()
                 << nameOf(c.kind) << " mandatory=" << c.mandatory << " \"" << c.text << "\"");
    freshDialog();
    auto bound = bind(c.kind, *dialog_, c.mandatory);
    bound->field().SetText(c.text);
    const int accepted = bound->Validate();
    if (c.fault.empty()) {
      EXPECT_EQ(accepted, 1);
      EXPECT_TRUE(container_.boxes.empty());
      EXPECT_EQ(bound->field().GetText(), c.rewritten.value_or(c.text));
      return;
    }
    EXPECT_EQ(accepted, 0);
    // These fields belong to modification masks, except where the mask says otherwise.
    const bool creation = c.kind == Kind::LineNo || c.kind == Kind::NoInGrp;
    expectReported(c.fault, kEdit1,
                   creation ? "PNR Creation Information" : "PNR Modification Information");
    if (c.selected) {
      expectSelected(kEdit1, c.selected->start, c.selected->end);
    } else {
      EXPECT_EQ(control(kEdit1).selection().start, control(kEdit1).selection().end)
          << "nothing should be selected";
    }
    EXPECT_EQ(bound->field().GetText(), c.text) << "a refused text stays as typed";
  }
};

TEST_F(NumberFieldsTest, LineNumber) {
  const Case cases[] = {
      {Kind::LineNo, 0, "", "", {}, {}},
      {Kind::LineNo, 1, "", "ERR_PNR_LINENO_NONE", {}, {}},
      {Kind::LineNo, 1, "3", "", {}, {}},
      {Kind::LineNo, 1, "12", "", {}, {}},
      {Kind::LineNo, 1, "0", "ERR_PNR_LINENO_INVALID", {}, {}},
      {Kind::LineNo, 1, "00", "ERR_PNR_LINENO_INVALID", {}, {}},
      {Kind::LineNo, 1, "A", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
      {Kind::LineNo, 0, "1A", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
      // A minus before digits is a line below 1; any other sign makes no number.
      {Kind::LineNo, 1, "-1", "ERR_PNR_LINENO_INVALID", {}, {}},
      {Kind::LineNo, 1, "-0", "ERR_PNR_LINENO_INVALID", {}, {}},
      {Kind::LineNo, 1, "+2", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
      {Kind::LineNo, 1, "-", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
      {Kind::LineNo, 1, "--1", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
      {Kind::LineNo, 1, "-1A", "ERR_PNR_LINENO_NONNUMERIC", {}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, PassengerNameNumber) {
  const Case cases[] = {
      {Kind::PaxNameNo, 0, "", "", {}, {}},
      {Kind::PaxNameNo, 1, "", "ERR_PNR_PAXNAMENO_NONE", {}, {}},
      {Kind::PaxNameNo, 1, "1.1", "", {}, {}},
      {Kind::PaxNameNo, 1, "1-1", "ERR_PNR_PAXNAMENO_NONNUMERIC", {{1, 2}}, {}},
      {Kind::PaxNameNo, 1, "A.1", "ERR_PNR_PAXNAMENO_NONNUMERIC", {{0, 1}}, {}},
      {Kind::PaxNameNo, 1, "1.1 ", "ERR_PNR_PAXNAMENO_NONNUMERIC", {{3, 4}}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, PassengerNameNumbers) {
  const Case cases[] = {
      {Kind::PaxNameNos, 0, "", "", {}, {}},
      {Kind::PaxNameNos, 1, "", "ERR_PNR_PAXNAMENOS_NONE", {}, {}},
      {Kind::PaxNameNos, 1, "1.1,2.1-3.1", "", {}, {}},
      {Kind::PaxNameNos, 1, "1.1/2.1", "ERR_PNR_PAXNAMENOS_INVALID", {}, {}},
      {Kind::PaxNameNos, 1, "1.1, 2.1", "ERR_PNR_PAXNAMENOS_INVALID", {}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, SeatNumber) {
  const Case cases[] = {
      {Kind::SeatNo, 0, "", "", {}, {}},
      {Kind::SeatNo, 1, "", "ERR_PNR_SEATNO_NONE", {}, {}},
      {Kind::SeatNo, 1, "2", "", {}, {}},
      {Kind::SeatNo, 1, "2A", "", {}, {}},  // the number is read from the start
      {Kind::SeatNo, 1, " 3", "", {}, {}},  // leading blanks are skipped
      {Kind::SeatNo, 1, "0", "ERR_PNR_SEATNO_INVALID", {}, {}},
      {Kind::SeatNo, 1, "-1", "ERR_PNR_SEATNO_INVALID", {}, {}},
      {Kind::SeatNo, 1, "A", "ERR_PNR_SEATNO_INVALID", {}, {}},
      {Kind::SeatNo, 1, "+2", "ERR_PNR_SEATNO_INVALID", {}, {}},  // no sign reaches the host
      {Kind::SeatNo, 1, "2-", "ERR_PNR_SEATNO_INVALID", {}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, SegmentNumber) {
  const Case cases[] = {
      {Kind::SegmentNo, 0, "", "", {}, {}},
      {Kind::SegmentNo, 1, "", "ERR_PNR_SEGMENTNO_NONE", {}, {}},
      // One number, written in its normal form.
      {Kind::SegmentNo, 1, "3", "", {}, {}},
      {Kind::SegmentNo, 1, "03", "", {}, "3"},
      {Kind::SegmentNo, 1, " 7X", "", {}, "7"},
      {Kind::SegmentNo, 1, "0", "ERR_PNR_SEGMENTNO_ZERO", {}, {}},
      {Kind::SegmentNo, 1, "A", "ERR_PNR_SEGMENTNO_INVALID", {}, {}},
      // A range, written in its normal form.
      {Kind::SegmentNo, 1, "2 - 4", "", {}, "2-4"},
      {Kind::SegmentNo, 1, " 2 -  4", "", {}, "2-4"},
      {Kind::SegmentNo, 1, "02-04", "", {}, "2-4"},
      {Kind::SegmentNo, 1, "2-0", "ERR_PNR_SEGMENTNO_ZERO", {}, {}},
      {Kind::SegmentNo, 1, "0-2", "ERR_PNR_SEGMENTNO_ZERO", {}, {}},
      {Kind::SegmentNo, 1, "2-", "ERR_PNR_SEGMENTNO_INVALID", {}, {}},
      {Kind::SegmentNo, 1, "-2", "ERR_PNR_SEGMENTNO_INVALID", {}, {}},
      {Kind::SegmentNo, 1, "2--4", "ERR_PNR_SEGMENTNO_INVALID", {}, {}},
      // A list, left as typed; a bad part is selected.
      {Kind::SegmentNo, 1, "1/2/3", "", {}, {}},
      {Kind::SegmentNo, 1, "01/2", "", {}, {}},
      {Kind::SegmentNo, 1, "1//2", "ERR_PNR_SEGMENTNO_INVALID", {{2, 3}}, {}},
      {Kind::SegmentNo, 1, "1/X/3", "ERR_PNR_SEGMENTNO_INVALID", {{2, 3}}, {}},
      {Kind::SegmentNo, 1, "/2", "ERR_PNR_SEGMENTNO_INVALID", {{0, 1}}, {}},
      {Kind::SegmentNo, 1, "1/2/", "ERR_PNR_SEGMENTNO_INVALID", {{4, 4}}, {}},
      {Kind::SegmentNo, 1, "1/0/3", "ERR_PNR_SEGMENTNO_ZERO", {}, {}},
      {Kind::SegmentNo, 1, "1/+2", "ERR_PNR_SEGMENTNO_INVALID", {{2, 3}}, {}},
      // A sign before a single number or in a range goes with the rewriting.
      {Kind::SegmentNo, 1, "+3", "", {}, "3"},
      {Kind::SegmentNo, 1, "+1-+3", "", {}, "1-3"},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, NumberInGroup) {
  const Case cases[] = {
      {Kind::NoInGrp, 0, "", "ERR_PNR_NOINGRP_NONE", {}, {}},  // even when optional
      {Kind::NoInGrp, 1, "", "ERR_PNR_NOINGRP_NONE", {}, {}},
      {Kind::NoInGrp, 1, "5", "", {}, {}},
      {Kind::NoInGrp, 1, "0", "ERR_VESPIN2_GROUP_NONZERO_FIELD", {}, {}},
      {Kind::NoInGrp, 1, "-3", "ERR_VESPIN2_GROUP_NONZERO_FIELD", {}, {}},
      {Kind::NoInGrp, 1, "5A", "ERR_VESPIN2_GROUP_NUM_FIELD", {}, {}},
      {Kind::NoInGrp, 1, "A", "ERR_VESPIN2_GROUP_NUM_FIELD", {}, {}},
      {Kind::NoInGrp, 1, "+3", "ERR_VESPIN2_GROUP_NUM_FIELD", {}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, PassengersToDivide) {
  const Case cases[] = {
      {Kind::NoPaxDivide, 0, "", "", {}, {}},
      {Kind::NoPaxDivide, 1, "", "ERR_PNR_NOPAX_NONE", {}, {}},
      {Kind::NoPaxDivide, 1, "2", "", {}, {}},
      {Kind::NoPaxDivide, 1, "A", "ERR_PNR_NOPAX_NONNUMERIC", {}, {}},
      {Kind::NoPaxDivide, 1, "2A", "ERR_PNR_NOPAX_NONNUMERIC", {}, {}},
      {Kind::NoPaxDivide, 1, "-1", "ERR_PNR_NOPAX_NONNUMERIC", {}, {}},
      {Kind::NoPaxDivide, 1, "+2", "ERR_PNR_NOPAX_NONNUMERIC", {}, {}},
  };
  for (const Case& c : cases) check(c);
}

TEST_F(NumberFieldsTest, PassengersToDivideTakesTheKeysOfWhatItCounts) {
  struct KeysCase {
    int remaining;
    const char* label;
    const char* tip;
  };
  const KeysCase cases[] = {
      {0, "LAB_PNR_NOPAXDIVIDE", "TIP_PNR_NOPAXDIVIDE"},
      {1, "LAB_PNR_NOPAXREMAINING", "TIP_PNR_NOPAXREMAINING"},
      {-1, "LAB_PNR_NOPAXREMAINING", "TIP_PNR_NOPAXREMAINING"},
  };
  for (const KeysCase& c : cases) {
    SCOPED_TRACE(c.remaining);
    freshDialog();
    fields::CFieldNoPaxDivide field;
    field.Create(*dialog_, kLabel1, kEdit1, 1, c.remaining);
    EXPECT_EQ(control(kLabel1).text(), c.label);
    EXPECT_EQ(control(kLabel1).toolTip(), c.tip);
    field.SetFocus();
    EXPECT_EQ(dialog_->text(), c.tip) << "the status line shows the field's tooltip";
  }
}

}  // namespace
}  // namespace module::test
