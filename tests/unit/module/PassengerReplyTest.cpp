// The host's passenger list in the reply to "%%JX PAX": name numbers, the title split, the
// record that stands for the PNR itself, and replies that hold no list.

#include "masks/passenger/PassengerReply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using masks::PassengerRecord;

std::string reply(const std::string& passengers) {
  return "<?xml version=\"1.0\"?><VELANO><N_AIRAALSAD0PNR0><N_PAX000>" + passengers +
         "</N_PAX000></N_AIRAALSAD0PNR0></VELANO>";
}

std::string passenger(const std::string& elements) {
  return "<N_PAX>" + elements + "</N_PAX>";
}

struct NameNumberCase {
  const char* text;
  const char* nameNumber;
};

class NameNumbers : public testing::TestWithParam<NameNumberCase> {};

TEST_P(NameNumbers, LoseTheirLeadingZeros) {
  EXPECT_EQ(masks::normaliseNameNumber(GetParam().text), GetParam().nameNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NameNumbers,
    testing::Values(NameNumberCase{"01.01", "1.1"}, NameNumberCase{"01.02", "1.2"},
                    NameNumberCase{"10.20", "10.20"}, NameNumberCase{"002.001", "2.1"},
                    NameNumberCase{" 03.01\n", "3.1"}, NameNumberCase{"01", "1"},
                    NameNumberCase{"", ""}, NameNumberCase{"1.1.2", "1.1.2"}));

struct TitleCase {
  const char* text;
  const char* givenName;
  const char* title;
};

class Titles : public testing::TestWithParam<TitleCase> {};

TEST_P(Titles, AreCutOffTheEndOfTheGivenName) {
  const masks::GivenNameAndTitle split = masks::splitTitle(GetParam().text);
  EXPECT_EQ(split.givenName, GetParam().givenName);
  EXPECT_EQ(split.title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Titles,
    testing::Values(TitleCase{"JOHN MR", "JOHN", "MR"}, TitleCase{"ANNMISS", "ANN", "MISS"},
                    TitleCase{"WILLIAMS", "WILLIA", "MS"}, TitleCase{"JANE MRS", "JANE", "MRS"},
                    TitleCase{"TOM MSTR", "TOM", "MSTR"}, TitleCase{"ada prof", "ada", "prof"},
                    TitleCase{"MARY ANN DR  ", "MARYANN", "DR"}, TitleCase{"PETER", "PETER", ""},
                    TitleCase{"MR", "", "MR"}, TitleCase{"M ", "M", ""}, TitleCase{"", "", ""}));

TEST(PassengerReply, ReadsEveryPassengerInReplyOrder) {
  const auto records = masks::parsePassengerReply(reply(
      passenger("<N_00TF>01.01</N_00TF><N_000N>SMITH</N_000N><N_000O>JOHN MR</N_000O>"
                "<N_00SI>VIP</N_00SI>") +
      passenger("<N_00TF>02.01</N_00TF><N_000N>VAN DER BERG</N_000N><N_000O>ANNMISS</N_000O>")));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].nameNumber, "1.1");
  EXPECT_EQ(records[0].surname, "SMITH");
  EXPECT_EQ(records[0].givenName, "JOHN");
  EXPECT_EQ(records[0].title, "MR");
  EXPECT_EQ(records[0].freeText, "VIP");
  EXPECT_EQ(records[1].nameNumber, "2.1");
  EXPECT_EQ(records[1].surname, "VANDERBERG");
  EXPECT_EQ(records[1].givenName, "ANN");
  EXPECT_EQ(records[1].title, "MISS");
  EXPECT_EQ(records[1].freeText, "");
}

TEST(PassengerReply, SkipsTheFirstNodeOnlyWhenItStandsForThePnr) {
  const std::string pnrNode = passenger("<N_00SG>C</N_00SG><N_00TF>01.01</N_00TF>");
  const std::string later = passenger("<N_00SG>C</N_00SG><N_00TF>03.01</N_00TF>");
  const std::string plain = passenger("<N_00TF>02.01</N_00TF>");
  const auto records = masks::parsePassengerReply(reply(pnrNode + plain + later));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].nameNumber, "2.1");
  EXPECT_EQ(records[1].nameNumber, "3.1");
  const auto other = masks::parsePassengerReply(
      reply(passenger("<N_00SG>X</N_00SG><N_00TF>01.01</N_00TF>") + plain));
  EXPECT_EQ(other.size(), 2u);
}

TEST(PassengerReply, MissingElementsLeaveTheirValuesEmpty) {
  const auto records = masks::parsePassengerReply(reply(passenger("<N_000N>LEE</N_000N>")));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].nameNumber, "");
  EXPECT_EQ(records[0].surname, "LEE");
  EXPECT_EQ(records[0].givenName, "");
}

TEST(PassengerReply, RepliesWithoutAListGiveNoPassengers) {
  for (const std::string& text :
       {std::string("GETPNRINFO"), std::string(""), std::string("<VELANO><N_PAX000/>"),
        std::string("<VELANO><N_AIRAALSAD0PNR0/></VELANO>"),
        std::string("<OTHER><N_PAX000><N_PAX><N_00TF>01.01</N_00TF></N_PAX></N_PAX000></OTHER>"),
        reply("")}) {
    EXPECT_TRUE(masks::parsePassengerReply(text).empty()) << text;
  }
}

TEST(PassengerReply, KeepsHugeTextsToTheMasksBufferSize) {
  const std::string huge(100000, 'A');
  const auto records = masks::parsePassengerReply(
      reply(passenger("<N_00TF>01.01</N_00TF><N_000N>" + huge + "</N_000N><N_000O>" + huge +
                      "</N_000O><N_00SI>" + huge + "</N_00SI>")));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].surname.size(), masks::kPassengerTextLimit);
  EXPECT_EQ(records[0].givenName.size(), masks::kPassengerTextLimit);
  EXPECT_EQ(records[0].freeText.size(), masks::kPassengerTextLimit);
}

}  // namespace
