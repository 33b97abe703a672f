// Booking data from the host's reply: booked airlines, segments, city pairs and the "SIN" rule.

#include "masks/fit/BookingData.h"

#include <gtest/gtest.h>

namespace {

using namespace fit;

std::string reply(std::string_view items) {
  return "<VELANO><PNR><N_AIRAALSAD0PNR0>" + std::string(items) +
         "</N_AIRAALSAD0PNR0></PNR></VELANO>";
}

std::string air(std::string_view number, std::string_view airline) {
  return "<N_AIR000><N_001N>" + std::string(number) + "</N_001N><N_000B>" + std::string(airline) +
         "</N_000B></N_AIR000>";
}

std::string city(std::string_view number, std::string_view name) {
  return "<N_CPA000><N_001N>" + std::string(number) + "</N_001N><N_00G3>" + std::string(name) +
         "</N_00G3></N_CPA000>";
}

TEST(BookingDataTest, AirSegmentsGiveAirlinesAndSegmentsInReplyOrder) {
  const BookingData data =
      readBookingData(reply(air("01", " SQ ") + air("02", "MH") + air("03", "SQ")));
  EXPECT_EQ(data.bookedAirlines, (std::vector<std::string>{"SQ", "MH", "SQ"}));
  EXPECT_EQ(data.segments, (std::vector<Segment>{{"01", "SQ"}, {"02", "MH"}, {"03", "SQ"}}));
  EXPECT_FALSE(data.segmentRemoved());
}

TEST(BookingDataTest, SegmentsWithACityPairInSinAreRemoved) {
  const BookingData data =
      readBookingData(reply(air("01", "SQ") + air("02", "SQ") + city("01", "SIN") +
                            city("02", "BKK") + city("03", "SIN")));
  EXPECT_EQ(data.bookedAirlines, (std::vector<std::string>{"SQ", "SQ"}));
  EXPECT_EQ(data.segments, (std::vector<Segment>{{"02", "SQ"}}));
  EXPECT_EQ(data.segmentsBeforeRemoval, 2u);
  EXPECT_TRUE(data.segmentRemoved());
  EXPECT_EQ(data.cityPairs.size(), 3u);
}

TEST(BookingDataTest, RepliesWithoutAnItineraryGiveNothing) {
  for (const std::string& text :
       {std::string(), std::string("GETPNRINFO"), std::string("<VELANO/>"),
        std::string("<VELANO><N_AIR000><N_000B>SQ</N_000B></N_AIR000></VELANO>"),
        std::string("<VELANO><N_AIRAALSAD0PNR0>") + air("01", "SQ"), std::string(10000, '<'),
        std::string("\xFF\xFE<\0>", 5)}) {
    const BookingData data = readBookingData(text);
    EXPECT_TRUE(data.bookedAirlines.empty()) << text;
    EXPECT_TRUE(data.segments.empty()) << text;
  }
  // Missing children leave empty texts.
  const BookingData partial = readBookingData(reply("<N_AIR000/>"));
  EXPECT_EQ(partial.segments, (std::vector<Segment>{{"", ""}}));
}

}  // namespace
