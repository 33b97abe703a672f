// The add-passenger list: the control's list text, the profile markers, the whiteboard keys of
// a saved list, and the phone fill a profile exchange leaves.

#include "masks/fit/AddPassengerList.h"

#include <gtest/gtest.h>

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using namespace fit;
using F = ProfileField;

TEST(AddPassengerListTest, ListTextGivesEntriesWithTheirFields) {
  const auto entries = parseAddPassengerList(
      "SMITH,JOHN,MR,0,,,,C100,False,False,True,True,M,01JAN80,611,922,E123,SG,ACME,WONG,LI,"
      "633,644,SQ-1,O1,O2,01JAN1980,SGP,01JAN30,a@b.c,655=TAN,MEI,MS,3,STU,,002");
  ASSERT_EQ(entries.size(), 2u);
  const AddedPassenger& smith = entries[0];
  EXPECT_EQ(smith.surname, "SMITH");
  EXPECT_EQ(smith.givenName, "JOHN");
  EXPECT_EQ(smith.title, "MR");
  EXPECT_EQ(smith.ptc, Ptc::Adult);
  EXPECT_EQ(smith.customerNumber, "C100");
  EXPECT_EQ(smith.homePhoneFlag, "False");
  EXPECT_EQ(smith.businessPhoneValue, "True");
  EXPECT_EQ(smith.profile[F::Gender], "M");
  EXPECT_EQ(smith.profile[F::PassportNumber1], "E123");
  EXPECT_EQ(smith.profile[F::ContactFax], "644");
  EXPECT_EQ(smith.profile[F::FrequentFlyerCards], "SQ-1");
  EXPECT_EQ(smith.profile[F::ExpiryDate], "01JAN30");
  EXPECT_EQ(smith.profile[F::BusinessPhone], "655");
  EXPECT_EQ(smith.profile[F::CustomerNumber], "C100");
  EXPECT_EQ(smith.profile[F::PassengerName], "SMITH JOHN");

  const AddedPassenger& tan = entries[1];
  EXPECT_EQ(tan.ptc, Ptc::Others);
  EXPECT_EQ(tan.others, "STU");
  EXPECT_EQ(tan.dependantNumber, "002");
  EXPECT_EQ(tan.customerNumber, "");
  EXPECT_EQ(tan.profile[F::Gender], "");
}

// The dialog hands its control the current list as the control writes it.
TEST(AddPassengerListTest, TheCurrentListGoesBackAsTheSameText) {
  // Every entry with its 31 fields.
  const std::string text =
      "SMITH,JOHN,MR,0,,,,C100,False,False,True,True,M,01JAN80,611,922,E123,SG,ACME,WONG,LI,"
      "633,644,SQ-1,O1,O2,01JAN1980,SGP,01JAN30,a@b.c,655=TAN,MEI,MS,3,STU,,002" +
      std::string(24, ',');
  EXPECT_EQ(addPassengerListText(parseAddPassengerList(text)), text);
  EXPECT_EQ(addPassengerListText({}), "");
  // A recalled value cannot split its entry.
  AddedPassenger odd;
  odd.surname = "A,B=C";
  const std::vector<AddedPassenger> entries = parseAddPassengerList(addPassengerListText({odd}));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].surname, "A B C");
  EXPECT_EQ(entries[0].givenName, "");
}

TEST(AddPassengerListTest, AtMostNineEntriesAndEmptyEntryTextsAreNone) {
  struct Case {
    std::string text;
    std::size_t count;
  };
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "P" + std::to_string(i) + ",G=";
  const std::vector<Case> cases = {
      {"", 0},
      {"=", 0},
      {"A", 1},
      {"A==B=", 2},
      {",,,,", 1},
      {twelve, 9},
      {std::string(5000, '='), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseAddPassengerList(c.text).size(), c.count) << c.text;
  }
  EXPECT_EQ(parseAddPassengerList(twelve).back().surname, "P8");
}

TEST(AddPassengerListTest, PtcDataOutsideTheListReadsAsAdult) {
  const std::vector<std::pair<std::string, Ptc>> cases = {
      {"0", Ptc::Adult},  {"1", Ptc::Child},
      {"2", Ptc::Infant}, {"3", Ptc::Others},
      {"4", Ptc::Adult},  {"-1", Ptc::Adult},
      {"x", Ptc::Adult},  {"", Ptc::Adult},
      {"1x", Ptc::Adult}, {"99999999999999", Ptc::Adult},
  };
  for (const auto& [text, ptc] : cases) {
    EXPECT_EQ(parseAddPassengerList("S,G,T," + text).at(0).ptc, ptc) << text;
  }
}

TEST(AddPassengerListTest, TheAddPassengerMaskReadsEightFields) {
  const auto entries = parseAddPassengerList("S,G,T,1,,05,D,C,True,False", kListNameFields);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].age, "05");
  EXPECT_EQ(entries[0].customerNumber, "C");
  EXPECT_EQ(entries[0].homePhoneFlag, "");
}

TEST(AddPassengerListTest, MarkersGoToTheirEntries) {
  auto entries = parseAddPassengerList("A=B=C");
  applyProfileMarkers(entries, {true, false, true, true, true, true, true, true, true});
  EXPECT_TRUE(entries[0].profileMarker);
  EXPECT_FALSE(entries[1].profileMarker);
  EXPECT_TRUE(entries[2].profileMarker);
}

TEST(AddPassengerListTest, DialogAnswerGivesTheListWithItsMarkersAndSource) {
  const auto list = addPassengerListOfAnswer({"101000001", "A,,,,,,,,True=B=C"}, 1);
  ASSERT_TRUE(list);
  ASSERT_EQ(list->entries.size(), 3u);
  EXPECT_EQ(list->customerSource, 1);
  EXPECT_EQ(list->entries[0].homePhoneFlag, "True");  // read with the profile values
  EXPECT_TRUE(list->entries[0].profileMarker);
  EXPECT_FALSE(list->entries[1].profileMarker);
  EXPECT_TRUE(list->entries[2].profileMarker);

  // Short, odd or missing marker digits leave entries unmarked; only '1' marks.
  for (const std::string& digits : {std::string(), std::string("1"), std::string("x1"),
                                    std::string("2-"), std::string(50, '0')}) {
    const auto marked = addPassengerListOfAnswer({digits, "A=B"}, 0);
    ASSERT_TRUE(marked) << digits;
    EXPECT_EQ(marked->entries.at(0).profileMarker, digits == "1") << digits;
    EXPECT_EQ(marked->entries.at(1).profileMarker, digits == "x1") << digits;
  }
  EXPECT_TRUE(addPassengerListOfAnswer({"000000000", ""}, 0)->entries.empty());
  for (const std::vector<std::string>& malformed :
       {std::vector<std::string>{}, {"000000000"}, {"000000000", "A", "B"}}) {
    EXPECT_FALSE(addPassengerListOfAnswer(malformed, 0)) << malformed.size();
  }
}

class AddPassengerWhiteboardTest : public ::testing::Test {
 protected:
  TempDeskHome home;
  CTorvanProfile profile;
  AddPassengerWhiteboardTest() {
    profile.setIniFile(framework::kWhiteboardFile);
    profile.setSectionName("PNR.CREATION.FIT");
  }
  std::string value(std::string_view key) {
    std::string text;
    WHITEBOARD_getString("PNR.CREATION.FIT", key, "<none>", text, 1024, kWhiteboardName);
    return text;
  }
};

TEST_F(AddPassengerWhiteboardTest, ThreeEntriesWriteThreeKeyGroups) {
  SavedAddPassengerList list{parseAddPassengerList("A,AG,MR,1,,05=B,BG,,3,ZZZ=C,,,,,,,,True"), 1};
  saveAddPassengerList(profile, &list);
  EXPECT_EQ(value("ADD_PAX"), "ADD_PASSENGER");
  EXPECT_EQ(value("ADD_PAX_PROFILE.0.SURNAME"), "A");
  EXPECT_EQ(value("ADD_PAX_PROFILE.0.PTC"), "1");
  EXPECT_EQ(value("ADD_PAX_PROFILE.0.AGE"), "05");
  EXPECT_EQ(value("ADD_PAX_PROFILE.1.OTHERS"), "ZZZ");
  EXPECT_EQ(value("ADD_PAX_PROFILE.2.STRHFLG"), "True");
  EXPECT_EQ(value("ADD_PAX_PROFILE.2.STRBVALUE"), "");
  EXPECT_EQ(value("ADD_PAX_PROFILE.3.SURNAME"), "<none>");
  EXPECT_EQ(value("ADD_PAX_CUSTOMER_SOURCE"), "1");

  const auto loaded = loadAddPassengerList(profile);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->entries.size(), 3u);
  EXPECT_EQ(loaded->entries[1].surname, "B");
  EXPECT_EQ(loaded->entries[1].ptc, Ptc::Others);
  EXPECT_EQ(loaded->entries[2].homePhoneFlag, "True");
  EXPECT_EQ(loaded->customerSource, 1);
}

TEST_F(AddPassengerWhiteboardTest, AShorterListDoesNotBringBackOlderEntries) {
  SavedAddPassengerList five{parseAddPassengerList("A=B=C=D=E"), 0};
  saveAddPassengerList(profile, &five);
  SavedAddPassengerList two{parseAddPassengerList("X=Y"), 0};
  saveAddPassengerList(profile, &two);
  const auto loaded = loadAddPassengerList(profile);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->entries.size(), 2u);
  EXPECT_EQ(loaded->entries[1].surname, "Y");
}

TEST_F(AddPassengerWhiteboardTest, ListIsReadOnlyWithTheMarkerValue) {
  EXPECT_FALSE(loadAddPassengerList(profile));  // nothing saved
  for (const std::string& marker :
       std::vector<std::string>{"", "add_passenger", "ADD_PASSENGERS"}) {
    WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX", marker, kWhiteboardName);
    WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX_PROFILE.0.SURNAME", "A", kWhiteboardName);
    EXPECT_FALSE(loadAddPassengerList(profile)) << marker;
  }
  saveAddPassengerList(profile, nullptr);  // no list object
  EXPECT_EQ(value("ADD_PAX"), "");
  EXPECT_FALSE(loadAddPassengerList(profile));
}

TEST_F(AddPassengerWhiteboardTest, ListsSavedWithoutACountReadUpToTheLastGroupHeld) {
  WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX", "ADD_PASSENGER", kWhiteboardName);
  WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX_PROFILE.0.SURNAME", "A", kWhiteboardName);
  WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX_PROFILE.2.AGE", "07", kWhiteboardName);
  const auto loaded = loadAddPassengerList(profile);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->entries.size(), 3u);
  EXPECT_EQ(loaded->entries[1].surname, "");
  EXPECT_EQ(loaded->entries[2].age, "07");
  EXPECT_EQ(loaded->customerSource, -1);

  for (const char* count : {"x", "-3", "99"}) {
    WHITEBOARD_putString("PNR.CREATION.FIT", "ADD_PAX_COUNT", count, kWhiteboardName);
    const auto again = loadAddPassengerList(profile);
    EXPECT_LE(again->entries.size(), 9u) << count;
  }
}

TEST_F(AddPassengerWhiteboardTest, PhoneFillComesFromTheUserSection) {
  EXPECT_EQ(readPhoneFill().homePhone, "");
  WHITEBOARD_putString("USER", "UP_HOMENO1", "611", kWhiteboardName);
  WHITEBOARD_putString("USER", "UP_BIZNO1", "622", kWhiteboardName);
  const PhoneFill fill = readPhoneFill();
  EXPECT_EQ(fill.homePhone, "611");
  EXPECT_EQ(fill.businessPhone, "622");
}

}  // namespace
}  // namespace module::test
