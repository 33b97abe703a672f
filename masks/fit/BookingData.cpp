#include "masks/fit/BookingData.h"

#include <algorithm>

#include "platform/text/TextRules.h"
#include "platform/xml/XmlDocument.h"

namespace fit {
namespace {

constexpr std::string_view kAirSegments = "//VELANO//N_AIRAALSAD0PNR0//N_AIR000";
constexpr std::string_view kCityPairs = "//VELANO//N_AIRAALSAD0PNR0//N_CPA000";
constexpr std::string_view kRemovedCity = "SIN";

std::string childText(const platform::XmlNode& node, std::string_view child) {
  return std::string(platform::trimWhiteSpace(node.childText(child)));
}

}  // namespace

BookingData readBookingData(std::string_view reply) {
  BookingData data;
  platform::XmlDocument document;
  if (!document.loadText(reply)) return data;
  for (const platform::XmlNode& air : document.selectNodes(kAirSegments)) {
    const std::string airline = childText(air, "N_000B");
    data.bookedAirlines.push_back(airline);
    data.segments.push_back({childText(air, "N_001N"), airline});
  }
  for (const platform::XmlNode& cityPair : document.selectNodes(kCityPairs)) {
    data.cityPairs.push_back({childText(cityPair, "N_001N"), childText(cityPair, "N_00G3")});
  }
  data.segmentsBeforeRemoval = data.segments.size();
  std::erase_if(data.segments, [&data](const Segment& segment) {
    return std::any_of(data.cityPairs.begin(), data.cityPairs.end(), [&](const Segment& city) {
      return city.number == segment.number && city.airline == kRemovedCity;
    });
  });
  return data;
}

}  // namespace fit
