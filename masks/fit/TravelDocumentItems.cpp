#include "masks/fit/TravelDocumentItems.h"

#include <algorithm>

#include "platform/text/TextRules.h"

namespace fit {
namespace {

using F = ProfileField;

std::string nameNumber(int number) {
  return std::to_string(number) + ".1";
}

bool contains(const std::vector<std::string>& list, std::string_view text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// The airlines of the segment list, each once, in segment order.
std::vector<std::string> segmentAirlines(const BookingData& booking) {
  std::vector<std::string> airlines;
  for (const Segment& segment : booking.segments) {
    if (!contains(airlines, segment.airline)) airlines.push_back(segment.airline);
  }
  return airlines;
}

std::string withoutLeadingZeros(std::string_view number) {
  const std::size_t first = number.find_first_not_of('0');
  if (first == std::string_view::npos) return number.empty() ? "" : "0";
  return std::string(number.substr(first));
}

bool carriesDocumentData(const DocumentTraveller& traveller) {
  return !traveller.profile[F::PassportNumber1].empty();
}

std::string documentItem(const DocumentTraveller& traveller, std::string_view kind,
                         std::string_view segments) {
  const MainRecord& p = traveller.profile;
  const TravellerName name = splitTravellerName(p[F::PassengerName]);
  const std::string number = nameNumber(traveller.nameNumber);
  if (kind == "DOCS") {
    return "3DOCS" + std::string(segments) + "/P/" + p[F::IssuingCountry] + "/" +
           p[F::PassportNumber1] + "/" + p[F::Nationality1] + "/" + p[F::DocumentDateOfBirth] +
           "/" + p[F::Gender] + "/" + p[F::ExpiryDate] + "/" + name.surname + "/" + name.givenName +
           "/H-" + number + "|";
  }
  if (kind == "PSPT") {
    return "3PSPT" + std::string(segments) + "/" + p[F::PassportNumber1] + "/" +
           p[F::Nationality1] + "/" + p[F::DateOfBirth] + "/" + name.surname + "/" +
           name.givenName + "/" + p[F::Gender] + "-" + number + "|";
  }
  return "3OTHS" + std::string(segments) + "/PSPT " + p[F::PassportNumber1] + " " +
         p[F::Nationality1] + " " + p[F::DateOfBirth] + " " + name.surname + " " + name.givenName +
         "-" + number + "|";
}

}  // namespace

std::vector<FrequentFlyerCard> parseFrequentFlyerCards(std::string_view field) {
  std::vector<FrequentFlyerCard> cards;
  while (!field.empty()) {
    const std::size_t end = field.find(';');
    const std::string_view card = platform::trimWhiteSpace(field.substr(0, end));
    field = end == std::string_view::npos ? std::string_view() : field.substr(end + 1);
    if (card.empty()) continue;
    const std::size_t dash = card.find('-');
    const std::size_t split =
        dash == std::string_view::npos ? std::min<std::size_t>(2, card.size()) : dash;
    const std::size_t numberStart = dash == std::string_view::npos ? split : dash + 1;
    FrequentFlyerCard parsed{std::string(platform::trimWhiteSpace(card.substr(0, split))),
                             std::string(platform::trimWhiteSpace(card.substr(numberStart)))};
    if (parsed.airline.empty() || parsed.number.empty()) continue;
    cards.push_back(std::move(parsed));
  }
  return cards;
}

std::vector<EligibleCard> eligibleCards(const DocumentTraveller& traveller,
                                        const std::vector<std::string>& bookedAirlines,
                                        const CodeList& alliances) {
  std::vector<EligibleCard> eligible;
  const std::string number = nameNumber(traveller.nameNumber);
  for (const FrequentFlyerCard& card :
       parseFrequentFlyerCards(traveller.profile[F::FrequentFlyerCards])) {
    if (contains(bookedAirlines, card.airline)) {
      eligible.push_back(
          {card, card.airline, "FF" + card.airline + card.number + "-" + number + "|"});
      continue;
    }
    const std::string alliance = codeOf(alliances, card.airline);
    if (alliance.empty()) continue;
    for (const std::string& booked : bookedAirlines) {
      if (booked.empty() || codeOf(alliances, booked) != alliance) continue;
      eligible.push_back(
          {card, booked, "FF" + card.airline + card.number + "/" + booked + "-" + number + "|"});
      break;
    }
  }
  return eligible;
}

std::string frequentFlyerItems(const std::vector<DocumentTraveller>& travellers,
                               const std::vector<std::string>& bookedAirlines,
                               const CodeList& alliances, const CardChooser& choose) {
  std::string items;
  if (bookedAirlines.empty()) return items;
  for (const DocumentTraveller& traveller : travellers) {
    const std::vector<EligibleCard> cards = eligibleCards(traveller, bookedAirlines, alliances);
    if (cards.empty()) continue;
    if (cards.size() == 1) {
      items += cards.front().item;
      continue;
    }
    const std::optional<std::size_t> chosen = choose ? choose(traveller, cards) : std::nullopt;
    if (chosen && *chosen < cards.size()) items += cards[*chosen].item;
  }
  return items;
}

std::string segmentPart(const BookingData& booking, std::string_view airline) {
  if (segmentAirlines(booking).size() > 1) {
    std::string part;
    for (const Segment& segment : booking.segments) {
      if (segment.airline != airline) continue;
      if (!part.empty()) part += ",";
      part += withoutLeadingZeros(segment.number);
    }
    return part;
  }
  if (!booking.segmentRemoved() || booking.segments.empty()) return {};
  return withoutLeadingZeros(booking.segments.front().number);
}

std::string travelDocumentItems(const std::vector<DocumentTraveller>& travellers,
                                const BookingData& booking, const CodeList& passportAirlines,
                                const OsiPhones& phones) {
  const std::vector<std::string> airlines = segmentAirlines(booking);
  std::string items;
  for (const DocumentTraveller& traveller : travellers) {
    if (!carriesDocumentData(traveller)) continue;
    for (const std::string& airline : airlines) {
      items +=
          documentItem(traveller, codeOf(passportAirlines, airline), segmentPart(booking, airline));
    }
  }
  for (const DocumentTraveller& traveller : travellers) {
    if (!carriesDocumentData(traveller)) continue;
    const MainRecord& p = traveller.profile;
    const bool first = p[F::CustomerNumber] == phones.firstCustomerNumber;
    const std::string& home = first ? phones.homePhone : p[F::HomePhone];
    const std::string& mobile = first ? phones.mobilePhone : p[F::MobilePhone];
    for (const std::string& airline : airlines) {
      items += "3OSI " + airline + " " + p[F::OsiValue1] + "/" + p[F::OsiValue2] + "/RES " + home +
               "/HP " + mobile + "|";
    }
  }
  return items;
}

}  // namespace fit
