#pragma once
// The items that close the individual creation command when the back office asks for them:
// frequent-flyer items ("FF") from the travellers' cards and the booked airlines, and the
// travel-document items ("3DOCS", "3PSPT", "3OTHS") with their "3OSI " items, per traveller
// and airline of the segment list. Every item ends with "|".

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "masks/fit/BookingData.h"
#include "masks/fit/MarketSettings.h"
#include "masks/fit/ProfileRecord.h"

namespace fit {

// A traveller of the command: its passenger name number ("%d.1") and its profile record.
struct DocumentTraveller {
  int nameNumber = 0;
  MainRecord profile;
};

// A frequent-flyer card. The profile's card field lists cards separated by ";", each the
// airline code, "-" and the card number ("SQ-8812345;UA-1234"); a card without "-" is its
// first two characters as the airline and the rest as the number.
struct FrequentFlyerCard {
  std::string airline;
  std::string number;
  bool operator==(const FrequentFlyerCard&) const = default;
};
std::vector<FrequentFlyerCard> parseFrequentFlyerCards(std::string_view field);

// A card that may be written for a traveller, with its item.
struct EligibleCard {
  FrequentFlyerCard card;
  // The booked airline the card is written for: its own airline, or a booked airline of the
  // same alliance.
  std::string bookedAirline;
  std::string item;  // "FF" + airline + number (+ "/" + booked airline) + "-" + name number + "|"
};

// The cards of the traveller that an airline of the booking honours: a card of a booked
// airline, or else of an airline in the same alliance as a booked airline.
std::vector<EligibleCard> eligibleCards(const DocumentTraveller& traveller,
                                        const std::vector<std::string>& bookedAirlines,
                                        const CodeList& alliances);

// Asks the agent which card to write when a traveller has several: the index of the chosen
// card, or nothing when the agent cancels (no item for that traveller).
using CardChooser = std::function<std::optional<std::size_t>(
    const DocumentTraveller& traveller, const std::vector<EligibleCard>& cards)>;

// One item per traveller with an eligible card; nothing when no airline is booked.
std::string frequentFlyerItems(const std::vector<DocumentTraveller>& travellers,
                               const std::vector<std::string>& bookedAirlines,
                               const CodeList& alliances, const CardChooser& choose);

// The phones of the "3OSI " items: the mask's own for travellers with the first profile
// traveller's customer number, otherwise the traveller's profile phones.
struct OsiPhones {
  std::string firstCustomerNumber;
  std::string homePhone;
  std::string mobilePhone;
};

// The segment part of an airline's items ("1,3", "" or "2").
std::string segmentPart(const BookingData& booking, std::string_view airline);

// For the travellers with a passport number in their profile: a document item per traveller
// and airline of the segment list (each airline once, in segment order), by the airline's
// document kind in the passport list, then the "3OSI " items in the same order.
std::string travelDocumentItems(const std::vector<DocumentTraveller>& travellers,
                                const BookingData& booking, const CodeList& passportAirlines,
                                const OsiPhones& phones);

}  // namespace fit
