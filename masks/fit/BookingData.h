#pragma once
// The booking data the individual creation mask reads from the host's reply to "%%JX AIT": the
// booked airlines and the segment list, from the reply's XML document.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fit {

struct Segment {
  std::string number;   // as the host writes it ("01")
  std::string airline;  // or the city of a city pair
  bool operator==(const Segment&) const = default;
};

struct BookingData {
  // The airline of every air segment, in reply order.
  std::vector<std::string> bookedAirlines;
  // The air segments, without those whose number has a city pair with the city "SIN".
  std::vector<Segment> segments;
  // The city pairs of the reply.
  std::vector<Segment> cityPairs;
  std::size_t segmentsBeforeRemoval = 0;
  bool segmentRemoved() const { return segments.size() != segmentsBeforeRemoval; }
};

// A reply that is no XML, or holds no itinerary, gives empty lists.
BookingData readBookingData(std::string_view reply);

}  // namespace fit
