// Frequent-flyer and travel-document items of the individual creation command.

#include "masks/fit/TravelDocumentItems.h"

#include <gtest/gtest.h>

namespace {

using namespace fit;
using F = ProfileField;

DocumentTraveller traveller(int number, const std::vector<std::pair<F, std::string>>& values) {
  DocumentTraveller result;
  result.nameNumber = number;
  for (const auto& [field, value] : values) result.profile[field] = value;
  return result;
}

const CodeList kAlliances = {{"STAR", "SQ"}, {"STAR", "UA"}, {"ONEWORLD", "CX"}, {"", "ZZ"}};
const CodeList kDocuments = {{"DOCS", "SQ"}, {"PSPT", "MH"}, {"OTHS", "KE"}};

BookingData booking(std::vector<Segment> segments, std::size_t before = 0) {
  BookingData data;
  for (const Segment& segment : segments) data.bookedAirlines.push_back(segment.airline);
  data.segments = std::move(segments);
  data.segmentsBeforeRemoval = before ? before : data.segments.size();
  return data;
}

TEST(FrequentFlyerCardsTest, CardFieldsListAirlineAndNumber) {
  EXPECT_EQ(parseFrequentFlyerCards("SQ-881234; UA-99 ;;CX77;-5;MH-;X"),
            (std::vector<FrequentFlyerCard>{{"SQ", "881234"}, {"UA", "99"}, {"CX", "77"}}));
  EXPECT_TRUE(parseFrequentFlyerCards("").empty());
  EXPECT_TRUE(parseFrequentFlyerCards(std::string(3000, ';')).empty());
}

TEST(FrequentFlyerItemsTest, CardsOfBookedAndPartnerAirlines) {
  struct Case {
    std::string cards;
    std::vector<std::string> booked;
    std::string items;
  };
  const std::vector<Case> cases = {
      {"SQ-123", {"SQ"}, "FFSQ123-2.1|"},
      {"UA-555", {"MH", "SQ"}, "FFUA555/SQ-2.1|"},
      {"CX-1", {"SQ"}, ""},
      {"ZZ-1", {"YY"}, ""},  // no alliance
      {"SQ-123", {}, ""},    // nothing booked
      {"", {"SQ"}, ""},
  };
  for (const Case& c : cases) {
    const auto t = traveller(2, {{F::FrequentFlyerCards, c.cards}});
    EXPECT_EQ(frequentFlyerItems({t}, c.booked, kAlliances, {}), c.items) << c.cards;
  }
}

TEST(FrequentFlyerItemsTest, TheAgentPicksOneOfSeveralCards) {
  const auto t1 = traveller(1, {{F::FrequentFlyerCards, "SQ-1;UA-2"}});
  const auto t2 = traveller(2, {{F::FrequentFlyerCards, "SQ-3"}});
  std::vector<std::size_t> asked;
  const CardChooser second = [&asked](const DocumentTraveller& t,
                                      const std::vector<EligibleCard>& cards) {
    asked.push_back(cards.size());
    EXPECT_EQ(t.nameNumber, 1);
    return std::optional<std::size_t>(1);
  };
  EXPECT_EQ(frequentFlyerItems({t1, t2}, {"SQ"}, kAlliances, second), "FFUA2/SQ-1.1|FFSQ3-2.1|");
  EXPECT_EQ(asked, (std::vector<std::size_t>{2}));

  const CardChooser cancel = [](const DocumentTraveller&, const std::vector<EligibleCard>&) {
    return std::optional<std::size_t>();
  };
  EXPECT_EQ(frequentFlyerItems({t1, t2}, {"SQ"}, kAlliances, cancel), "FFSQ3-2.1|");
  const CardChooser outOfRange = [](const DocumentTraveller&, const std::vector<EligibleCard>&) {
    return std::optional<std::size_t>(7);
  };
  EXPECT_EQ(frequentFlyerItems({t1}, {"SQ"}, kAlliances, outOfRange), "");
  EXPECT_EQ(frequentFlyerItems({t1}, {"SQ"}, kAlliances, nullptr), "");
}

TEST(SegmentPartTest, SegmentsNamedOnlyWhenTheyTellAirlinesApart) {
  const BookingData two = booking({{"01", "SQ"}, {"02", "MH"}, {"03", "SQ"}});
  EXPECT_EQ(segmentPart(two, "SQ"), "1,3");
  EXPECT_EQ(segmentPart(two, "MH"), "2");
  EXPECT_EQ(segmentPart(booking({{"01", "SQ"}, {"02", "SQ"}}), "SQ"), "");
  EXPECT_EQ(segmentPart(booking({{"02", "SQ"}, {"03", "SQ"}}, 3), "SQ"), "2");
  EXPECT_EQ(segmentPart(booking({{"10", "SQ"}, {"0", "MH"}}), "MH"), "0");
  EXPECT_EQ(segmentPart(booking({}, 2), "SQ"), "");
}

const DocumentTraveller kLee = traveller(1, {
                                                {F::PassengerName, "LEE MEI"},
                                                {F::CustomerNumber, "C1"},
                                                {F::Gender, "F"},
                                                {F::DateOfBirth, "01JAN80"},
                                                {F::PassportNumber1, "E123"},
                                                {F::Nationality1, "SG"},
                                                {F::OsiValue1, "O1"},
                                                {F::OsiValue2, "O2"},
                                                {F::DocumentDateOfBirth, "01JAN1980"},
                                                {F::IssuingCountry, "SGP"},
                                                {F::ExpiryDate, "01JAN30"},
                                                {F::HomePhone, "611"},
                                                {F::MobilePhone, "922"},
                                            });

TEST(TravelDocumentItemsTest, ItemsByTheAirlinesDocumentKind) {
  const OsiPhones phones{"C1", "MASKHOME", "MASKMOBILE"};
  EXPECT_EQ(travelDocumentItems({kLee}, booking({{"01", "SQ"}, {"02", "SQ"}}), kDocuments, phones),
            "3DOCS/P/SGP/E123/SG/01JAN1980/F/01JAN30/LEE/MEI/H-1.1|"
            "3OSI SQ O1/O2/RES MASKHOME/HP MASKMOBILE|");
  EXPECT_EQ(
      travelDocumentItems(
          {kLee}, booking({{"01", "SQ"}, {"02", "MH"}, {"03", "SQ"}, {"04", "KE"}, {"05", "XX"}}),
          kDocuments, phones),
      "3DOCS1,3/P/SGP/E123/SG/01JAN1980/F/01JAN30/LEE/MEI/H-1.1|"
      "3PSPT2/E123/SG/01JAN80/LEE/MEI/F-1.1|"
      "3OTHS4/PSPT E123 SG 01JAN80 LEE MEI-1.1|"
      "3OTHS5/PSPT E123 SG 01JAN80 LEE MEI-1.1|"
      "3OSI SQ O1/O2/RES MASKHOME/HP MASKMOBILE|3OSI MH O1/O2/RES MASKHOME/HP MASKMOBILE|"
      "3OSI KE O1/O2/RES MASKHOME/HP MASKMOBILE|3OSI XX O1/O2/RES MASKHOME/HP MASKMOBILE|");
}

TEST(TravelDocumentItemsTest, TravellersInOrderWithTheirOwnPhonesAndEmptyPositions) {
  DocumentTraveller other = traveller(3, {{F::PassengerName, "TAN"},
                                          {F::CustomerNumber, "C2"},
                                          {F::PassportNumber1, "P9"},
                                          {F::HomePhone, "633"}});
  const DocumentTraveller noDocument = traveller(2, {{F::PassengerName, "NG AH"}});
  EXPECT_EQ(travelDocumentItems({kLee, noDocument, other}, booking({{"02", "SQ"}}, 2), kDocuments,
                                {"C1", "H", "M"}),
            "3DOCS2/P/SGP/E123/SG/01JAN1980/F/01JAN30/LEE/MEI/H-1.1|"
            "3DOCS2/P//P9/////TAN//H-3.1|"
            "3OSI SQ O1/O2/RES H/HP M|"
            "3OSI SQ //RES 633/HP |");
}

TEST(TravelDocumentItemsTest, NoSegmentsOrNoDocumentsGiveNoItems) {
  EXPECT_EQ(travelDocumentItems({kLee}, booking({}), kDocuments, {}), "");
  EXPECT_EQ(travelDocumentItems({}, booking({{"01", "SQ"}}), kDocuments, {}), "");
  EXPECT_EQ(travelDocumentItems({traveller(1, {})}, booking({{"01", "SQ"}}), kDocuments, {}), "");
}

}  // namespace
