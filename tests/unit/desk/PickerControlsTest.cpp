// The outside controls of the pickers: the month calendar's model and the code lookup's
// tables, searches and reports.

#include "desk/controls/PickerControls.h"

#include <gtest/gtest.h>

#include "tests/unit/desk/TempHome.h"

namespace desk::test {
namespace {

TEST(MonthCalendarTest, MonthsHaveTheirDaysAndWeekdays) {
  struct Case {
    int month, year, days, firstWeekday;  // 0 Monday
  };
  const Case cases[] = {
      {3, 2026, 31, 6}, {2, 2026, 28, 6}, {2, 2024, 29, 3},  {2, 2000, 29, 1},
      {2, 2100, 28, 0}, {1, 2027, 31, 4}, {12, 2026, 31, 1}, {9, 1752, 30, 4},
  };
  for (const Case& c : cases) {
    const MonthCalendar calendar({1, c.month, c.year});
    EXPECT_EQ(calendar.dayCount(), c.days) << c.month << "/" << c.year;
    EXPECT_EQ(calendar.firstWeekday(), c.firstWeekday) << c.month << "/" << c.year;
  }
}

TEST(MonthCalendarTest, MovesAcrossYearsAndChoosesOnlyDaysThatExist) {
  MonthCalendar calendar({15, 12, 2026});
  calendar.nextMonth();
  EXPECT_EQ(calendar.month(), 1);
  EXPECT_EQ(calendar.year(), 2027);
  calendar.previousMonth();
  calendar.previousMonth();
  EXPECT_EQ(calendar.month(), 11);
  EXPECT_EQ(calendar.year(), 2026);
  EXPECT_EQ(calendar.choose(30), (CalendarDate{30, 11, 2026}));
  EXPECT_FALSE(calendar.choose(31));
  EXPECT_FALSE(calendar.choose(0));

  MonthCalendar last({1, 12, kLastCalendarYear});
  last.nextMonth();
  EXPECT_EQ(last.year(), kLastCalendarYear);
  EXPECT_FALSE(isCalendarDate(29, 2, 2023));
  EXPECT_FALSE(isCalendarDate(1, 13, 2026));
  EXPECT_FALSE(isCalendarDate(1, 1, 0));
}

class CodeListTest : public testing::Test {
 protected:
  TempHome home_;
};

TEST_F(CodeListTest, TablesThatOfferNothingSayWhy) {
  home_.write("coder/empty.xml", "<?xml version='1.0'?><Coder></Coder>");
  home_.write("coder/other.xml", "<Codes><T><C>SIN</C></T></Codes>");
  home_.write("coder/broken.xml", "<Coder><T><C>SIN</C>");
  home_.write("coder/blank-codes.xml", "<Coder><T><C> </C><D>Nothing</D></T></Coder>");
  struct Case {
    const char* name;
    CodeListStatus status;
    const char* text;
  };
  const Case cases[] = {
      {"", CodeListStatus::Unnamed, "No code table is set up for this lookup."},
      {"  ", CodeListStatus::Unnamed, "No code table is set up for this lookup."},
      {"coder/absent.xml", CodeListStatus::Missing, "The code table coder/absent.xml is missing."},
      {"coder", CodeListStatus::Missing, "The code table coder is missing."},
      {"coder/broken.xml", CodeListStatus::Malformed,
       "The code table coder/broken.xml cannot be read: it is not well-formed XML."},
      {"coder/empty.xml", CodeListStatus::Empty, "The code table coder/empty.xml holds no codes."},
      {"coder/other.xml", CodeListStatus::Empty, "The code table coder/other.xml holds no codes."},
      {"coder/blank-codes.xml", CodeListStatus::Empty,
       "The code table coder/blank-codes.xml holds no codes."},
  };
  for (const Case& c : cases) {
    CodeList list;
    EXPECT_EQ(list.load(c.name, home_.folder()), c.status) << c.name;
    EXPECT_EQ(list.statusText(), c.text) << c.name;
    EXPECT_TRUE(list.entries().empty()) << c.name;
  }
}

TEST_F(CodeListTest, SearchesByCodeOrDescriptionInAnyCase) {
  home_.write("coder/city.xml",
              "<?xml version='1.0' encoding='UTF-8'?><Coder>"
              "<T><C>SIN</C><D>Singapore</D></T>"
              "<T><C> HKG </C><D>Hong Kong</D></T>"
              "<T><C>ZRH</C><D>Z\xC3\xBCrich</D></T>"
              "<T><C>SYD</C><D>Sydney</D></T></Coder>");
  CodeList list;
  // Either slash and any letter case, absolute or from the folder.
  ASSERT_EQ(list.load("CODER\\City.XML", home_.folder()), CodeListStatus::Loaded);
  ASSERT_EQ(list.load((home_.folder() / "coder/city.xml").string()), CodeListStatus::Loaded);
  ASSERT_EQ(list.entries().size(), 4u);
  EXPECT_EQ(list.entries()[1].code, "HKG");
  EXPECT_EQ(list.entries()[2].description, "Z\xFCrich");  // Latin-1, as the masks read it
  EXPECT_EQ(list.statusText(), "");

  const auto codes = [&](std::string_view text) {
    std::vector<std::string> found;
    for (const CodeEntry* entry : list.search(text)) found.push_back(entry->code);
    return found;
  };
  EXPECT_EQ(codes("s"), (std::vector<std::string>{"SIN", "SYD"}));
  EXPECT_EQ(codes("kong"), (std::vector<std::string>{"HKG"}));
  EXPECT_EQ(codes(" ney "), (std::vector<std::string>{"SYD"}));
  EXPECT_EQ(codes("ore"), (std::vector<std::string>{"SIN"}));
  EXPECT_EQ(codes("").size(), 4u);
  EXPECT_TRUE(codes("XYZ").empty());
  ASSERT_NE(list.find("hkg"), nullptr);
  EXPECT_EQ(list.find("hkg")->description, "Hong Kong");
  EXPECT_EQ(list.find("HK"), nullptr);
}

// What a control fires to the sink connected to it.
class EventRecorder final : public IDispatch {
 public:
  struct Fired {
    DISPID event;
    std::vector<std::string> arguments;
  };
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *object = this;
    return S_OK;
  }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                 UINT*) override {
    Fired fired{member, {}};
    for (UINT index = params->cArgs; index-- > 0;) {
      fired.arguments.push_back(latin1FromBstr(params->rgvarg[index].bstrVal));
    }
    events.push_back(fired);
    return S_OK;
  }
  std::vector<Fired> events;
};

DWORD connect(IDispatch& control, EventRecorder& recorder) {
  ComPtr<IConnectionPointContainer> container;
  control.QueryInterface(IID_IConnectionPointContainer, container.outVoid());
  ComPtr<IConnectionPoint> point;
  container->FindConnectionPoint(IID_IDispatch, point.out());
  DWORD cookie = 0;
  EXPECT_EQ(point->Advise(&recorder, &cookie), S_OK);
  return cookie;
}

TEST_F(CodeListTest, LookupReportsATableWithoutCodesAndOffersNothingFromIt) {
  home_.write("coder/carrier.xml", "<Coder><T><C>SQ</C><D>Singapore Airlines</D></T></Coder>");
  EventRecorder recorder;  // outlives the control, which holds it
  ComPtr<IDispatch> control = CoderControl::create();
  connect(*control.get(), recorder);
  CoderControl* lookup = CoderControl::of(*control.get());
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(MonthControl::of(*control.get()), nullptr);

  // The table's name comes through the control's first method.
  VARIANT name;
  name.vt = VT_BSTR;
  name.bstrVal = bstrFromLatin1("coder/absent.xml");
  DISPPARAMS params{&name, nullptr, 1, 0};
  EXPECT_EQ(control->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            S_OK);
  VariantClear(&name);
  EXPECT_FALSE(lookup->choose("SQ", "Singapore Airlines"));
  lookup->close();

  lookup->setTable("coder/carrier.xml");
  EXPECT_TRUE(lookup->choose("SQ", "Singapore Airlines"));

  ASSERT_EQ(recorder.events.size(), 3u);
  EXPECT_EQ(recorder.events[0].event, 3);
  EXPECT_EQ(recorder.events[0].arguments,
            std::vector<std::string>{"The code table coder/absent.xml is missing."});
  EXPECT_EQ(recorder.events[1].event, 4);
  EXPECT_EQ(recorder.events[2].event, 2);
  EXPECT_EQ(recorder.events[2].arguments, (std::vector<std::string>{"Singapore Airlines", "SQ"}));
}

TEST(MonthControlTest, ReportsTheChosenDateThroughItsFirstThreeProperties) {
  EventRecorder recorder;  // outlives the control, which holds it
  ComPtr<IDispatch> control = MonthControl::create();
  connect(*control.get(), recorder);
  MonthControl* calendar = MonthControl::of(*control.get());
  ASSERT_NE(calendar, nullptr);

  EXPECT_FALSE(calendar->choose({30, 2, 2026}));  // no such day: nothing fired
  EXPECT_TRUE(calendar->choose({5, 3, 2026}));
  calendar->cancel();
  ASSERT_EQ(recorder.events.size(), 2u);
  EXPECT_EQ(recorder.events[0].event, 2);
  EXPECT_EQ(recorder.events[1].event, 1);

  const std::array<std::int16_t, 3> expected{5, 3, 2026};
  for (DISPID property = 1; property <= 3; ++property) {
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(control->Invoke(property, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                              nullptr),
              S_OK);
    EXPECT_EQ(value.vt, VT_I2);
    EXPECT_EQ(value.iVal, expected[static_cast<std::size_t>(property - 1)]);
  }
}

}  // namespace
}  // namespace desk::test
