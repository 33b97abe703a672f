// The group creation command: the two headers, the separator rules around the agency, ticketing
// and received-from items and the two phones, the DOSS item against the agency address, the
// passengers' parts and the phone prefix of the first passenger.

#include "masks/group/GroupCommand.h"

#include <gtest/gtest.h>

namespace {

using namespace group;

const std::string S = "\\u00A7";  // the entry separator as the command writes it
const std::string C = "\\u00A4";  // the change mark

GroupCommandInput freeTextGroup() {
  GroupCommandInput input;
  input.type = GroupType::FreeText;
  input.carrierCode = "SQ";
  input.numberInGroup = "20";
  input.groupName = "TOUR";
  input.agencyAddressLine = "W-";
  return input;
}

fit::AddedPassenger passenger(std::string surname, std::string given,
                              fit::Ptc ptc = fit::Ptc::Adult, std::string others = "") {
  fit::AddedPassenger entry;
  entry.surname = std::move(surname);
  entry.givenName = std::move(given);
  entry.ptc = ptc;
  entry.others = std::move(others);
  return entry;
}

TEST(GroupCommand, HeadersByType) {
  GroupCommandInput input = freeTextGroup();
  EXPECT_EQ(groupHeader(input), "-C/SQ/20TOUR");
  input.type = GroupType::Fixed;
  input.numberInGroup = "15";
  input.withOrganiser = false;
  input.bookingOffice = "SIN";
  input.travelAgent = "ABC";
  input.destination = "BKK";
  EXPECT_EQ(groupHeader(input), "-C/SQ/15TSIN/ABC/BKKTOUR");
  input.withOrganiser = true;
  EXPECT_EQ(groupHeader(input), "-C/SQ/15GSIN/ABC/BKKTOUR");
  input.type = GroupType::None;
  EXPECT_EQ(groupHeader(input), "");
}

TEST(GroupCommand, ItemsAndSeparators) {
  struct Case {
    const char* what;
    void (*change)(GroupCommandInput&);
    std::string command;
  };
  const Case cases[] = {
      {"copied from DOSS, ticketing and received-from",
       [](GroupCommandInput& in) {
         in.copyFromDoss = true;
         in.agencyPhoneLine = "9 ACME-A";
         in.agencyAddressLine = "W-ACME";
         in.ticketingTimeLimit = "T";
         in.receivedFrom = "R";
       },
       "-C/SQ/20TOUR|T" + S + "R|N*" + C + S + "NM|*A"},
      {"the agency's items when not copied",
       [](GroupCommandInput& in) {
         in.agencyPhoneLine = "9 ACME-A";
         in.agencyAddressLine = "W-ACME";
         in.receivedFrom = "R";
       },
       "-C/SQ/20TOUR|9 ACME-A" + S + "R|W-ACME|*A"},
      {"business phone with the contact person, no separator between them",
       [](GroupCommandInput& in) {
         in.businessPhone = "12345678";
         in.contactPerson = "LEE";
       },
       "-C/SQ/20TOUR|9 12345678LEE-B|*A"},
      {"home phone alone opens a group; after another item it follows with the separator",
       [](GroupCommandInput& in) { in.homePhone = "87654321"; }, "-C/SQ/20TOUR|9 87654321-H|*A"},
      {"both phones after the received-from item",
       [](GroupCommandInput& in) {
         in.receivedFrom = "R";
         in.businessPhone = "1";
         in.homePhone = "2";
       },
       "-C/SQ/20TOUR|R" + S + "9 1-B" + S + "9 2-H|*A"},
      {"passengers: names after the header, PDT items at the end",
       [](GroupCommandInput& in) {
         in.passengers = {passenger("SMITH", "JOHN"),
                          passenger("LEE", "ANN", fit::Ptc::Others, "ZZZ")};
         in.passengers[0].businessPhoneFlag = "False";
         in.passengers[0].businessPhoneValue = "True";
         in.businessPhone = "1";
         in.homePhone = "2";
       },
       "-C/SQ/20TOUR|-SMITH/JOHN" + S + "-LEE/ANN|5 1-B" + S + "9 2-H|PDTZZZ-2.1|*A"},
  };
  for (const Case& c : cases) {
    GroupCommandInput input = freeTextGroup();
    c.change(input);
    EXPECT_EQ(buildGroupCommand(input), c.command) << c.what;
  }
}

TEST(GroupCommand, NameReferencesOfProfileTravellers) {
  GroupCommandInput input = freeTextGroup();
  input.passengers = {passenger("SMITH", "JOHN"), passenger("SMITH", "JANE")};
  input.passengers[0].profileMarker = true;
  input.passengers[0].customerNumber = "C1";
  input.passengers[1].profileMarker = true;
  input.passengers[1].dependantNumber = "2";
  EXPECT_EQ(buildGroupCommand(input), "-C/SQ/20TOUR|-SMITH/JOHN" + S +
                                          "-SMITH/JANE|50/NAMEREF,SMITH/JOHN-C1" + S +
                                          "5NAMEREF,SMITH/JANE-C1002|*A");
}

TEST(GroupCommand, NothingAtAllIsTheEmptyCommand) {
  GroupCommandInput input;
  EXPECT_EQ(buildGroupCommand(input), "");
}

}  // namespace
