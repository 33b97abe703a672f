// The closing items of the individual creation command from travellers' profile records of
// any content, any booking and any code lists: frequent-flyer cards are read whole, an
// eligible card is written for a booked airline only, and the document items are one per
// traveller with a passport and airline of the segment list, each ending with "|".

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "masks/fit/TravelDocumentItems.h"
#include "platform/text/TextRules.h"

namespace {

using namespace fit;

void check(bool condition) {
  if (!condition) std::abort();
}

CodeList codeList(FuzzedDataProvider& input) {
  CodeList list(input.ConsumeIntegralInRange<std::size_t>(0, 6));
  for (CodeEntry& entry : list) {
    entry.code = input.ConsumeRandomLengthString(8);
    entry.description = input.ConsumeRandomLengthString(8);
  }
  return list;
}

std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  BookingData booking;
  booking.segments.resize(input.ConsumeIntegralInRange<std::size_t>(0, 8));
  for (Segment& segment : booking.segments) {
    segment.number = input.ConsumeRandomLengthString(4);
    segment.airline = input.ConsumeRandomLengthString(4);
    booking.bookedAirlines.push_back(segment.airline);
  }
  booking.segmentsBeforeRemoval =
      booking.segments.size() + input.ConsumeIntegralInRange<std::size_t>(0, 2);
  const CodeList alliances = codeList(input);
  const CodeList passportAirlines = codeList(input);
  const OsiPhones phones{input.ConsumeRandomLengthString(16), input.ConsumeRandomLengthString(32),
                         input.ConsumeRandomLengthString(32)};
  const std::size_t chosen = input.ConsumeIntegralInRange<std::size_t>(0, 4);
  std::vector<DocumentTraveller> travellers(input.ConsumeIntegralInRange<std::size_t>(1, 9));
  for (std::size_t i = 0; i < travellers.size(); ++i) {
    travellers[i].nameNumber = static_cast<int>(i) + 1;
    travellers[i].profile =
        parseMainRecord(i + 1 == travellers.size() ? input.ConsumeRemainingBytesAsString()
                                                   : input.ConsumeRandomLengthString(2048));
  }

  std::size_t withCards = 0;
  for (const DocumentTraveller& traveller : travellers) {
    const std::string& field = traveller.profile[ProfileField::FrequentFlyerCards];
    const std::vector<FrequentFlyerCard> cards = parseFrequentFlyerCards(field);
    check(cards.size() <= occurrences(field, ";") + 1);
    for (const FrequentFlyerCard& card : cards) {
      check(!card.airline.empty() && !card.number.empty());
      check(platform::trimWhiteSpace(card.airline) == card.airline);
      check(platform::trimWhiteSpace(card.number) == card.number);
    }
    const std::string ending = "-" + std::to_string(traveller.nameNumber) + ".1|";
    const std::vector<EligibleCard> eligible =
        eligibleCards(traveller, booking.bookedAirlines, alliances);
    check(eligible.size() <= cards.size());
    for (const EligibleCard& card : eligible) {
      check(std::find(booking.bookedAirlines.begin(), booking.bookedAirlines.end(),
                      card.bookedAirline) != booking.bookedAirlines.end());
      check(card.item.starts_with("FF" + card.card.airline + card.card.number));
      check(card.item.ends_with(ending));
    }
    if (!eligible.empty()) ++withCards;
  }
  std::size_t asked = 0;
  const std::string cardItems =
      frequentFlyerItems(travellers, booking.bookedAirlines, alliances,
                         [&](const DocumentTraveller&, const std::vector<EligibleCard>& cards) {
                           check(cards.size() > 1);
                           ++asked;
                           return chosen == 4 ? std::nullopt : std::optional<std::size_t>(chosen);
                         });
  check(asked <= withCards);
  if (booking.bookedAirlines.empty()) check(cardItems.empty());
  check(cardItems.empty() || cardItems.back() == '|');

  std::vector<std::string> airlines;
  for (const Segment& segment : booking.segments) {
    if (std::find(airlines.begin(), airlines.end(), segment.airline) == airlines.end()) {
      airlines.push_back(segment.airline);
    }
    (void)segmentPart(booking, segment.airline);
  }
  const std::string items = travelDocumentItems(travellers, booking, passportAirlines, phones);
  const auto documented = static_cast<std::size_t>(
      std::count_if(travellers.begin(), travellers.end(), [](const DocumentTraveller& t) {
        return !t.profile[ProfileField::PassportNumber1].empty();
      }));
  check(items.empty() == (documented == 0 || airlines.empty()));
  check(items.empty() || items.back() == '|');
  check(occurrences(items, "3OSI ") >= documented * airlines.size());
  return 0;
}
