// Texts from outside (profile records, list texts, host replies, card fields) of any length and
// content go through every reader of the individual creation mask without failing, and what
// comes out keeps the documented limits.

#include <gtest/gtest.h>

#include <random>

#include "masks/fit/AddPassengerList.h"
#include "masks/fit/BookingData.h"
#include "masks/fit/FitCommandBuilder.h"
#include "masks/fit/HostExchange.h"
#include "masks/fit/ProfileImport.h"
#include "masks/fit/TravelDocumentItems.h"

namespace {

using namespace fit;

// Random texts made mostly of the characters the readers split and clean at.
std::string randomText(std::mt19937& random) {
  static constexpr char kCharacters[] = "\\\\\\,,,===<<>>//  AZaz09*|-.#'\"\r\n\xA5\xC2\xFF\0";
  static constexpr std::string_view kAlphabet(kCharacters, sizeof kCharacters - 1);
  std::uniform_int_distribution<int> length(0, 3000);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string text(static_cast<std::size_t>(length(random)), ' ');
  for (char& c : text) c = kAlphabet[pick(random)];
  if (!text.empty() && random() % 4 == 0) text.front() = static_cast<char>('0' + random() % 10);
  return text;
}

std::string randomXml(std::mt19937& random) {
  std::string text = "<VELANO><N_AIRAALSAD0PNR0>";
  const int items = static_cast<int>(random() % 40);
  for (int i = 0; i < items; ++i) {
    text += random() % 2 ? "<N_AIR000><N_001N>" : "<N_CPA000><N_001N>";
    text += std::to_string(random() % 5) + "</N_001N><N_000B>" + randomText(random).substr(0, 3) +
            "</N_000B><N_00G3>SIN</N_00G3>";
    text += random() % 2 ? "</N_AIR000>" : "</N_CPA000>";
  }
  return text + (random() % 3 ? "</N_AIRAALSAD0PNR0></VELANO>" : "");
}

TEST(FitInputRobustnessTest, RandomTextsThroughEveryReader) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 300; ++round) {
    const std::string text = randomText(random);
    for (LookupKind kind : {LookupKind::Surname, LookupKind::GivenName, LookupKind::Corporate}) {
      const ProfileImport imported =
          importProfile(text, kind, static_cast<int>(random() % 12) - 1, random() % 2 == 0);
      const MainRecord record = imported.record.value_or(MainRecord{});
      EXPECT_LE(record.fieldCount, kMainRecordFields);
      for (const std::string& field : record.fields) EXPECT_LE(field.size(), kProfileValueLength);
      if (imported.firstRow) {
        for (const std::string& line : imported.firstRow->billingLines) {
          EXPECT_LE(line.size(), kAddressLineLength);
        }
      }
      readDialogRecord(text, kind);
    }
    const auto entries = parseAddPassengerList(text);
    EXPECT_LE(entries.size(), kMaxAddedPassengers);

    std::vector<PassengerSlot> slots;
    for (const AddedPassenger& entry : entries) slots.push_back(slotOf(entry));
    buildAddPassengerCommand(slots);

    const BookingData booking = readBookingData(random() % 2 ? randomXml(random) : text);
    EXPECT_LE(booking.segments.size(), booking.segmentsBeforeRemoval);
    std::vector<DocumentTraveller> travellers;
    for (const AddedPassenger& entry : entries) travellers.push_back({1, entry.profile});
    const CodeList codes = {{"DOCS", "SQ"}, {"STAR", text.substr(0, 2)}};
    frequentFlyerItems(travellers, booking.bookedAirlines, codes,
                       [](const DocumentTraveller&, const std::vector<EligibleCard>& cards) {
                         return std::optional<std::size_t>(cards.size() - 1);
                       });
    travelDocumentItems(travellers, booking, codes, {text.substr(0, 5), text, text});

    FitCommandInput input;
    input.slots = slots;
    input.sfCustId = text;
    input.ctp = text;
    input.faxFragment = text;
    input.profileTravellerName = text;
    input.backOffice = true;
    buildFitCommand(input);
    agentInformationText(text, true);
  }
}

}  // namespace
