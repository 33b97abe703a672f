// The passenger part of the creation commands: name items, PDT items, the reference block with
// its coverage and numbering, the contact block, and the add-passenger mask's command.

#include "masks/fit/PassengerItems.h"

#include <gtest/gtest.h>

#include "masks/fit/CommandItems.h"

namespace {

using namespace fit;

const std::string S = "\\u00A7";  // the entry separator as the command writes it

PassengerSlot slot(std::string surname, std::string given = "", std::string title = "",
                   Ptc ptc = Ptc::Adult, std::string ageOrCode = "") {
  PassengerSlot s;
  s.surname = std::move(surname);
  s.givenName = std::move(given);
  s.title = std::move(title);
  s.ptc = ptc;
  if (ptc == Ptc::Others) {
    s.others = ageOrCode;
  } else {
    s.age = ageOrCode;
  }
  return s;
}

PassengerSlot profiled(PassengerSlot s, std::string customer, std::string dependant = "",
                       std::string phone = "P", std::string company = "CO") {
  s.profileMarker = true;
  s.customerNumber = std::move(customer);
  s.dependantNumber = std::move(dependant);
  s.contactPhone = std::move(phone);
  s.contactFax = "F";
  s.contactSurname = "CS";
  s.contactGivenName = "CG";
  s.companyName = std::move(company);
  return s;
}

TEST(ItemJoinerTest, SeparatorFlagOpensGroupsAndJoinsItems) {
  std::string command = "-A/B";
  ItemJoiner items(command);
  items.addItem("X");
  items.addItem("");
  items.addItem("Y");
  items.clearFlag();
  items.addItem("Z");
  EXPECT_EQ(command, "-A/B|X" + S + "Y|Z");
  EXPECT_EQ(phonePrefix("False", "True"), "5 ");
  for (const auto& [flag, value] : std::vector<std::pair<std::string, std::string>>{
           {"True", "True"}, {"False", "False"}, {"", "True"}, {"false", "True"}, {"False", ""}}) {
    EXPECT_EQ(phonePrefix(flag, value), "9 ") << flag << value;
  }
  EXPECT_EQ(withoutFinalSeparator("A" + S), "A");
  EXPECT_EQ(withoutFinalSeparator("A"), "A");
}

TEST(PassengerStringsTest, NameItemsByPtcAndRunningNumbers) {
  const PassengerStrings strings = buildPassengerStrings(
      {slot("SMITH", "JOHN", "MR"), slot(""), slot("LEE", "KIM", "", Ptc::Child, "05"),
       slot("TAN", "BB", "MSTR", Ptc::Infant, "10"), slot("NG", "", "", Ptc::Others, "ZZZ"),
       slot("", "ONLYGIVEN"), slot("OH", "", "", Ptc::Others, "STU")},
      std::nullopt);
  EXPECT_EQ(strings.names, "-SMITH/JOHNMR" + S + "-LEE/KIM*C05" + S + "-I/TAN/BBMSTR*I10" + S +
                               "-NG/" + S + "-OH/" + S);
  EXPECT_EQ(strings.pdt, "PDTZZZ-4.1" + S + "PDTSTU-5.1" + S);
  EXPECT_EQ(strings.nameNumbers, (std::vector<int>{1, 0, 2, 3, 4, 0, 5}));
  EXPECT_EQ(strings.referenceBlock, "");
  EXPECT_EQ(strings.contactBlock, "");
}

TEST(PassengerStringsTest, ReferencesOfPrincipalsAndDependants) {
  struct Case {
    std::string name;
    std::vector<PassengerSlot> slots;
    std::string references;
  };
  const std::vector<Case> cases = {
      {"single principal", {profiled(slot("A", "B", "MR"), "C1")}, "50/NAMEREF,A/BMR-C1" + S},
      {"single dependant is its own customer number",
       {profiled(slot("A", "B"), "C1", "2")},
       "50/NAMEREF,A/B-C1" + S},
      {"principal and dependant",
       {profiled(slot("A", "B"), "C1"), profiled(slot("D", "E"), "", "2")},
       "50/NAMEREF,A/B-C1" + S + "5NAMEREF,D/E-C1002" + S},
      {"dependant with both numbers follows the principal",
       {profiled(slot("A", "B"), "C1"), profiled(slot("D", "E"), "C9", "017")},
       "50/NAMEREF,A/B-C1" + S + "5NAMEREF,D/E-C1017" + S},
      {"dependant number that is no number",
       {profiled(slot("A", "B"), "C1"), profiled(slot("D", "E"), "", "X2")},
       "50/NAMEREF,A/B-C1" + S + "5NAMEREF,D/E-C1X2" + S},
      {"travellers without numbers and without marker are left out",
       {profiled(slot("A", "B"), ""), slot("N", "M"), profiled(slot("D", "E"), "C2")},
       "50/NAMEREF,D/E-C2" + S},
      {"no profile traveller", {slot("A", "B")}, ""},
      {"profile without surname takes no part", {profiled(slot(""), "C1")}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(buildPassengerStrings(c.slots, std::nullopt).referenceBlock, c.references) << c.name;
  }
}

TEST(PassengerStringsTest, ContactItemsOfUncoveredPrincipals) {
  const ContactSettings on{true, "BIZ", "FAXNO"};
  const std::vector<PassengerSlot> slots = {
      profiled(slot("A", "B"), "C1", "", "P1", "ACME"),
      profiled(slot("D", "E"), "C2", "", "P1", "ACME"),  // covered by A
      profiled(slot("G", "H"), "C3", "", "P3", "BETA"),
      profiled(slot("J", "K"), "", "1", "P4", "GAMMA"),  // dependant: no contact items
  };
  const PassengerStrings strings = buildPassengerStrings(slots, on);
  EXPECT_EQ(strings.contactBlock,
            "9 CTCB TEL BIZ/FAX FAXNO/CS CG|9 CTCB ACME|"
            "9 CTCB TEL P3/FAX F/CS CG|9 CTCB BETA|");
  EXPECT_EQ(strings.firstProfileCustomerNumber, "C1");
  EXPECT_EQ(buildPassengerStrings(slots, ContactSettings{false, "BIZ", "FAXNO"}).contactBlock, "");
  EXPECT_EQ(buildPassengerStrings(slots, std::nullopt).contactBlock, "");

  // A covered traveller does not cover others: C is covered by A, not by B.
  const std::vector<PassengerSlot> chain = {profiled(slot("A", "B"), "C1", "", "P1", "X"),
                                            profiled(slot("D", "E"), "C2", "", "P1", "X"),
                                            profiled(slot("G", "H"), "C3", "", "P1", "X")};
  EXPECT_EQ(buildPassengerStrings(chain, on).contactBlock,
            "9 CTCB TEL BIZ/FAX FAXNO/CS CG|9 CTCB X|");
}

TEST(AddPassengerCommandTest, NamesPdtAndReferencesJoinedByGroupOpeners) {
  EXPECT_EQ(buildAddPassengerCommand({slot("SMITH", "JOHN", "MR")}), "-SMITH/JOHNMR");
  EXPECT_EQ(buildAddPassengerCommand({slot("A", "B"), slot("C", "D", "", Ptc::Others, "ZZZ")}),
            "-A/B" + S + "-C/D|PDTZZZ-2.1");
  EXPECT_EQ(buildAddPassengerCommand({profiled(slot("A", "B"), "C1")}), "-A/B|50/NAMEREF,A/B-C1");
  EXPECT_EQ(buildAddPassengerCommand({slot(""), slot("", "JOHN")}), "");
  EXPECT_EQ(buildAddPassengerCommand({slot("-", "/")}), "");
  EXPECT_EQ(buildAddPassengerCommand({}), "");
}

TEST(AddPassengerCommandTest, AddedPassengersBecomeSlots) {
  auto entries = parseAddPassengerList("SMITH,JOHN,MR,2,,05,,C7,,,,,,,,,,,ACME,CS,CG,P,F");
  applyProfileMarkers(entries, {true});
  const PassengerSlot s = slotOf(entries.at(0));
  EXPECT_EQ(s.ptc, Ptc::Infant);
  EXPECT_EQ(s.age, "05");
  EXPECT_TRUE(s.profileMarker);
  EXPECT_EQ(s.customerNumber, "C7");
  EXPECT_EQ(s.companyName, "ACME");
  EXPECT_EQ(s.contactSurname, "CS");
  EXPECT_EQ(s.contactFax, "F");
}

}  // namespace
