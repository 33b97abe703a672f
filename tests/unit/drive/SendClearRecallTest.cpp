// Every mask the module serves, filled as an agent fills it: a valid value in every control the
// agent can reach (texts, check boxes, a choice other than the first in each list, the modes),
// then Send, Clear and Recall. Send fires one command; Clear brings every control back to where
// it started; Recall brings back every control as it was sent; a second Send fires the same
// command and writes the same whiteboard section, key for key. A field that is no longer
// saved, loaded or cleared, or that is saved under one key and loaded under another, fails
// here.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "desk/drive/DriveSession.h"
#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/Whiteboard.h"
#include "desk/state/AddPassengerControl.h"
#include "desk/state/AgentProfile.h"
#include "desk/state/OpenPnr.h"
#include "resources/DialogParts.h"
#include "tests/unit/desk/TempHome.h"
#include "typelib/TypeLibrary.h"

namespace desk {
namespace {

using Json = nlohmann::ordered_json;
using Lines = std::vector<std::string>;

// A control the test leaves out of one of its checks, and why.
struct Exemption {
  int control;
  const char* reason;
  std::string reenter = {};  // the command that enters the value again before the next Send
};

struct RoundTrip {
  const char* name;     // the mask's class, with the mode the case fills when it has several
  const char* section;  // the whiteboard section the mask keeps its values in
  Lines setup;          // presets and host replies: the state Clear goes back to (the mask
                        // opens at the first command that acts on it, or after the setup)
  Lines fill;           // drive commands that put a valid value in every control
  std::vector<Exemption> notFilled = {};    // reachable controls the fill leaves alone
  std::vector<Exemption> notCleared = {};   // controls Clear leaves as they were sent
  std::vector<Exemption> notRecalled = {};  // controls Recall does not bring back
  std::size_t sends = 1;                    // the commands one Send fires
  Lines replies = {};                       // the host's replies a Send waits for before it fires
};

// The masks without Clear and Recall: what they send, sent twice.
struct SendOnly {
  const char* name;
  const char* reason;  // why the mask has no Clear and Recall
  Lines setup;
  Lines send;  // the commands that make the mask send
};

void PrintTo(const RoundTrip& trip, std::ostream* os) {
  *os << trip.name;
}
void PrintTo(const SendOnly& only, std::ostream* os) {
  *os << only.name;
}

// The host's answer to the individual creation mask's request for the agent data, on one line.
const char* const kAgentDataReply =
    "reply <?xml version=\"1.0\"?><VELANO><N_AGENT><AGENCY_NAME>QUILLET TRAVEL</AGENCY_NAME>"
    "<ADDR1>12 HARBOUR STREET</ADDR1><DATA_SRC_LOCATION>1</DATA_SRC_LOCATION></N_AGENT>"
    "<N_AIRAALSAD0PNR0><N_AIR000><N_001N>01</N_001N><N_000B>SQ</N_000B></N_AIR000>"
    "</N_AIRAALSAD0PNR0></VELANO>";

// Appends the commands to the fill of a case.
void fillWith(RoundTrip& trip, const Lines& commands) {
  trip.fill.insert(trip.fill.end(), commands.begin(), commands.end());
}

// The controls of one passenger row of the individual creation mask, and a traveller for it.
struct FitRow {
  int surname, givenName, title, type, others, age;
};
struct FitTraveller {
  const char* surname;
  const char* givenName;
  const char* title;
  int type;               // 0 adult, 1 child, 2 infant, 3 another type
  const char* typeValue;  // the age of a child or infant, the code of another type
};

// The individual creation mask with its nine passenger rows (an adult with a title, a child
// and an infant with their ages, a traveller of another type, five adults), added passengers,
// and every block; with the back office, also the billing to the company, its numbers and the
// back office's customer source.
RoundTrip creationFit(bool withBackOffice) {
  static constexpr FitRow kRows[] = {
      {183, 193, 195, 199, 647, 203}, {324, 328, 330, 332, 648, 334},
      {336, 340, 342, 344, 649, 346}, {348, 352, 354, 356, 650, 358},
      {360, 364, 366, 368, 651, 370}, {372, 376, 378, 380, 652, 382},
      {384, 388, 390, 392, 653, 394}, {396, 399, 400, 743, 654, 402},
      {831, 838, 834, 835, 839, 836},
  };
  static constexpr FitTraveller kTravellers[] = {
      {"smith", "john", "mr", 0, ""}, {"smith", "anna", "miss", 1, "05"},
      {"lee", "bo", "mstr", 2, "10"}, {"kim", "su", "ms", 3, "stu"},
      {"tan", "mei", "ms", 0, ""},    {"ong", "wei", "mr", 0, ""},
      {"lim", "hua", "mrs", 0, ""},   {"ng", "kai", "dr", 0, ""},
      {"goh", "ling", "miss", 0, ""},
  };
  RoundTrip trip{withBackOffice ? "PNRCreationFIT/BackOffice" : "PNRCreationFIT/Agency",
                 "PNR.CREATION.FIT",
                 // The agent profile is known when the mask opens, so the host's agent data
                 // does not replace the agency block typed; Clear empties the block.
                 {"agent-profile QUILLET TRAVEL|12 HARBOUR STREET|SUITE 4||||1", "click 232"},
                 {},
                 {{841, "this case sends the agency block"}}};
  for (std::size_t row = 0; row < std::size(kRows); ++row) {
    const FitRow& ids = kRows[row];
    const FitTraveller& traveller = kTravellers[row];
    const auto type = [](int id, const char* text) {
      return "type " + std::to_string(id) + " " + text;
    };
    fillWith(trip, {type(ids.surname, traveller.surname), type(ids.givenName, traveller.givenName),
                    type(ids.title, traveller.title)});
    if (traveller.type == 0) {
      trip.notFilled.push_back({ids.type, "an adult is the first type of a row"});
      continue;
    }
    trip.fill.push_back("select " + std::to_string(ids.type) + " " +
                        std::to_string(traveller.type));
    trip.fill.push_back(type(traveller.type == 3 ? ids.others : ids.age, traveller.typeValue));
  }
  // Added passengers, the travel policy's CTP, ticketing, received from, the agency block.
  fillWith(trip, {"answer addpax ok 000000000 LEE,BO,MR,0,,,,=KIM,SU,,2,,10,,", "click 225",
                  "click 462", "type 408 corp1", "select 211 1", "type 219 paid", "type 215 15mar",
                  "type 409 mr lee", "type 413 acme travel", "type 411 joe", "type 415 5551234",
                  "type 417 1 main st", "type 419 suite 4", "type 421 level 2",
                  "type 553 singapore", "type 555 049315", "type 840 asia"});
  // The contact block: person, business, mobile, home and fax numbers, the e-mail.
  fillWith(trip, {"type 475 tan ah kow", "type 278 65 6789 0123", "type 300 91234567",
                  "type 302 65 6000 1111", "type 304 65 6000 2222", "type 306 john_smith@host.test",
                  "type 308 office", "type 310 1.1"});
  // The billing and delivery addresses.
  fillWith(trip, {"click 280", "type 312 2 bill st", "type 314 level 3", "type 316 tower a",
                  "type 482 singapore", "type 842 018989", "click 282", "type 318 1 marina blvd",
                  "type 320 level 5", "type 322 tower b", "type 480 singapore", "type 843 018956"});
  // An invoice remark, the five personnel numbers, the passport, the passport SSR.
  fillWith(trip, {"select 272 3",      "type 274 1",       "type 276 paid cash", "click 424",
                  "type 404 sales 1",  "click 425",        "type 405 s1234567d", "click 426",
                  "type 406 e42",      "click 427",        "type 407 e987654",   "click 428",
                  "type 423 t7654321", "select 284 1",     "type 286 x1234567",  "type 288 smith",
                  "type 290 john",     "select 292 1",     "type 294 x1234567",  "type 296 us",
                  "type 298 2",        "type 431 smith",   "type 432 john",      "click 429",
                  "type 430 1.1",      "type 433 01jan70", "select 434 0"});
  trip.replies = {kAgentDataReply};
  // The customer source is the desk's setting, which Clear and Recall read again; the mask does
  // not keep the agent's choice (without the back office, DOSS is the only one).
  const char* source = withBackOffice ? "select 749 1" : "select 749 0";
  const char* sourceReason = "the customer source is the desk's setting, read again";
  trip.fill.push_back(source);
  trip.notCleared.push_back({749, sourceReason});
  if (withBackOffice) {
    trip.notRecalled.push_back({749, sourceReason, source});
    // A click on the billing box leaves the enabling of the two numbers as it was until Recall
    // (or Clear) applies the billing rules: the DK number is set as a program sets it.
    trip.setup.insert(trip.setup.begin(), "wb USER BackOffice 1");
    trip.fill.insert(trip.fill.end(),
                     {"click 436", "type 207 abc1234", "click 205", "set 208 1234567"});
    for (int id : {207, 208, 248, 249}) {
      trip.notRecalled.push_back({id, "Recall applies the billing rules a click does not"});
    }
  }
  return trip;
}

// The add-passenger dialog's answer for the group creation mask: one adult with the
// traveller's phone strings.
const char* const kGroupPassenger = "answer addpax ok 000000000 SMITH,JOHN,MR,0,,,,,,False,,True";

// The eighteen lines of the add e-mail mask, each chosen, with a passenger (from the list when
// the PNR has passengers, else by name number), an address and a kind; every third line has a
// free text, the others are copies.
RoundTrip addEmail(bool withPassengers) {
  struct Line {
    int select, passengers, nameNumber, address, type, freeText;
  };
  // Lines 1 to 10, then lines 11 to 18, as the dialog numbers their controls.
  std::vector<Line> lines;
  const int firstSelects[] = {257, 260, 263, 266, 269, 271, 273, 275, 277, 279};
  for (int i = 0; i < 10; ++i) {
    lines.push_back(
        {firstSelects[i], 283 + 2 * i, 303 + 2 * i, 325 + 2 * i, 347 + 2 * i, 369 + 2 * i});
  }
  for (int i = 0; i < 8; ++i) {
    lines.push_back({783 + i, 799 + i, 791 + i, 807 + i, 815 + i, 823 + i});
  }

  RoundTrip trip{withPassengers ? "PNRAddEmail/Passengers" : "PNRAddEmail/NameNumbers",
                 "PNR.PNRADDEMAIL",
                 {"show", "reply GETPNRINFO"},
                 {}};
  if (withPassengers) {
    trip.setup.insert(trip.setup.begin(), {"pnr-pax 1.1|DOE|JOHN|N", "pnr-pax 2.1|DOE|JANE|N"});
  }
  std::vector<std::string> reentered;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const std::string number = std::to_string(i + 1);
    trip.fill.push_back("click " + std::to_string(line.select));
    if (withPassengers) {
      const std::string choice =
          "select " + std::to_string(line.passengers) + " " + std::to_string(1 + i % 2);
      trip.fill.push_back(choice);
      reentered.push_back(choice);
    } else {
      trip.fill.push_back("type " + std::to_string(line.nameNumber) + " " + number + ".1");
    }
    trip.fill.push_back("type " + std::to_string(line.address) + " a_" + number + "@host.test");
    trip.fill.push_back("select " + std::to_string(line.type) + " " + std::to_string(1 + i % 3));
    if (i % 3 == 0) {
      trip.fill.push_back("type " + std::to_string(line.freeText) + " note " + number);
    }
  }
  if (withPassengers) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      trip.notRecalled.push_back({lines[i].passengers,
                                  "the passenger choice is not kept, only the name number edit",
                                  reentered[i]});
    }
  }
  return trip;
}

const std::vector<RoundTrip>& roundTrips() {
  static const std::vector<RoundTrip> all = {
      {"PNRCreationFax", "PNR.CREATION.FAX", {}, {"type 304 5551234"}},
      {"PNRCreationEmail",
       "PNR.CREATION.EMAIL",
       {},
       {"type 306 john_smith@host.test", "type 308 office", "type 310 1.1"}},
      {"PNRCreationRemarks/Itinerary",
       "PNR.CREATION.REMARKS",
       {},
       {"select 272 1", "type 274 2", "type 276 window seat"}},
      {"PNRCreationRemarks/Invoice",
       "PNR.CREATION.REMARKS",
       {},
       {"select 272 2", "type 274 1", "type 276 paid cash"}},
      {"PNRCreationPersonal",
       "PNR.CREATION.PERSONAL",
       {},
       {"select 284 1", "type 286 e987654", "type 288 smith", "type 290 john"}},
      {"PNRCreationSSR/Passport",
       "PNR.CREATION.SSR",
       {},
       {"type 294 x1234567", "type 296 us", "type 433 01jan70", "type 431 smith", "type 432 john",
        "select 434 1", "click 429", "type 430 1.1", "type 298 2"},
       {{292, "the passport form is the first type, the one this case sends"}}},
      {"PNRCreationSSR/Other",
       "PNR.CREATION.SSR",
       {},
       {"select 292 1", "type 294 x1234567", "type 296 us", "type 433 01jan70", "type 431 smith",
        "type 432 john", "select 434 3", "click 429", "type 430 1.1", "type 298 2"}},
      {"PNRModificationGIT", "PNR.MODIFICATION.GIT", {}, {"type 552 12"}},
      {"PNRModificationFax", "PNR.MODIFICATION.GIT", {}, {"type 565 2", "type 566 5551234"}},
      {"PNRModificationReceivedFrom", "PNR.MODIFICATION.RECEIVEDFROM", {}, {"type 569 mr smith"}},
      {"PNRModificationRemarks/Itinerary",
       "PNR.MODIFICATION.REMARKS",
       {},
       {"type 565 6", "select 588 1", "type 590 1", "type 592 window seat"}},
      {"PNRModificationRemarks/Invoice",
       "PNR.MODIFICATION.REMARKS",
       {},
       {"type 565 4", "select 588 2", "type 590 2", "type 592 paid cash"}},
      {"PNRModificationPersonal",
       "PNR.MODIFICATION.PERSONAL",
       {},
       {"type 565 3", "select 575 1", "type 577 e987654", "type 579 lee", "type 581 ann"}},
      {"PNRModificationIncrease",
       "PNR.MODIFICATION.INCREASE",
       {},
       {"type 605 2", "type 607 1 - 3"}},
      {"PNRModificationReduce", "PNR.MODIFICATION.REDUCE", {}, {"type 610 1", "type 612 2.1"}},
      {"PNRModificationTtl/TimeLimit",
       "PNR.MODIFICATION.TTL",
       {},
       {"type 215 15mar", "type 219 100"},
       {{211, "the time limit is the first type, the one this case sends"}}},
      {"PNRModificationTtl/Arranged",
       "PNR.MODIFICATION.TTL",
       {},
       {"select 211 1", "type 219 paid", "type 215 15mar"}},
      {"PNRModificationTtl/TicketNumber",
       "PNR.MODIFICATION.TTL",
       {},
       {"select 211 2", "type 215 1234567890123", "type 219 1.1", "type 236 1-2"},
       {},
       {{236, "hidden in the time-limit layout Clear goes back to, with the limit of the last"}}},
      // Clear goes back to the first kind, not to the mask's opening state without one.
      {"PNRModificationPhone/Agency",
       "PNR.MODIFICATION.PHONE",
       {"select 602 0"},
       {"type 565 3", "type 594 5551234", "type 595 acme travel", "type 597 joe"},
       {{602, "the agency phone is the first kind, the one this case sends"}}},
      {"PNRModificationPhone/Business",
       "PNR.MODIFICATION.PHONE",
       {"select 602 0"},
       {"select 602 1", "type 565 2", "type 846 5551234", "type 599 smith"}},
      {"PNRModificationPhone/Home",
       "PNR.MODIFICATION.PHONE",
       {"select 602 0"},
       {"select 602 2", "type 565 4", "type 847 5551234"}},
      {"PNRModificationPhone/Mobile",
       "PNR.MODIFICATION.PHONE",
       {"select 602 0"},
       {"select 602 3", "type 565 5", "type 848 98765432"}},
      {"PNRModificationPhone/Fax",
       "PNR.MODIFICATION.PHONE",
       {"select 602 0"},
       {"select 602 4", "type 565 6", "type 566 5551234"}},
      // Clear goes back to the agency name of the first kind.
      {"PNRModificationAddress/AgencyName",
       "PNR.MODIFICATION.ADDRESS",
       {"select 602 0"},
       {"type 595 abc travel"},
       {{602, "the agency is the first kind, the one this case sends"},
        {604, "the agency name is the first agency line, the one this case sends"}}},
      {"PNRModificationAddress/AgencyAddress",
       "PNR.MODIFICATION.ADDRESS",
       {"select 602 0"},
       {"select 604 3", "type 613 2 main st"},
       {{602, "the agency is the first kind, the one this case sends"}}},
      {"PNRModificationAddress/Delivery",
       "PNR.MODIFICATION.ADDRESS",
       {"select 602 0"},
       {"select 602 1", "type 565 7", "type 613 10 high st"}},
      {"PNRModificationAddress/Billing",
       "PNR.MODIFICATION.ADDRESS",
       {"select 602 0"},
       {"select 602 2", "type 565 8", "type 613 10 high st"}},
      {"PNRModifyGrpName", "PNR.PNRMODIFYGRPNAME", {}, {"type 751 smith tour"}},
      {"PNRAddPhoneFax/Agency",
       "PNR.PNRADDPHONEFAX",
       {},
       {"type 235 12345678", "type 237 travel co", "type 241 lee"},
       {{233, "the agency phone is the first kind, the one this case sends"}}},
      {"PNRAddPhoneFax/Business",
       "PNR.PNRADDPHONEFAX",
       {},
       {"select 233 1", "type 235 12345678", "type 245 tan"}},
      {"PNRAddPhoneFax/Home",
       "PNR.PNRADDPHONEFAX",
       {},
       {"select 233 2", "type 235 5551234", "type 245 ann lee"}},
      {"PNRAddPhoneFax/Mobile",
       "PNR.PNRADDPHONEFAX",
       {},
       {"select 233 3", "type 235 5550000", "type 245 ann lee"}},
      {"PNRAddPhoneFax/Fax", "PNR.PNRADDPHONEFAX", {}, {"select 233 4", "type 235 87654321"}},
      {"PNRModificationEmail/NoPassengers",
       "PNR.MODIFICATION.EMAIL",
       {"show", "reply GETPNRINFO"},
       {"type 565 4", "type 572 ann_lee@host.test", "type 554 office", "type 556 1.1"}},
      {"PNRModificationEmail/Passengers",
       "PNR.MODIFICATION.EMAIL",
       {"pnr-pax 1.1|LEE|ANN|N", "pnr-pax 2.1|LEE|BOB|N", "show", "reply GETPNRINFO"},
       {"type 565 5", "type 572 ann_lee@host.test", "type 554 home", "select 656 2"},
       {},
       {},
       {{656, "the passenger choice is not kept: Recall brings back the e-mail and the line",
         "select 656 2"}}},
      // Without the passenger list the name number edit is in use; choosing from the list
      // replaces what Recall brought back, so the list is not a case of its own.
      {"PNRModificationPassenger/GivenName",
       "PNR.MODIFICATION.PASSENGER",
       {"show", "reply GETPNRINFO"},
       {"type 557 2.1", "type 559 john", "type 561 mr", "type 569 pax"},
       {},
       {},
       {},
       2},
      {"PNRModificationPassenger/FreeText",
       "PNR.MODIFICATION.PASSENGER",
       {"show", "reply GETPNRINFO"},
       {"click 869", "type 557 3.1", "type 565 vip", "type 569 pax"},
       {},
       {},
       {},
       2},
      {"PNRDeleteEmail/SpecificLine", "PNR.PNRDELETEEMAIL", {}, {"type 186 3"}},
      {"PNRDeleteEmail/Range", "PNR.PNRDELETEEMAIL", {}, {"click 182", "type 188 2", "type 192 5"}},
      {"PNRDeleteEmail/MultipleLines",
       "PNR.PNRDELETEEMAIL",
       {},
       {"click 184", "type 194 1", "type 196 3", "type 198 4", "type 200 6", "type 202 7",
        "type 204 9", "type 206 10", "type 208 12", "type 210 13", "type 212 15"}},
      {"PNRRetrieval/RecordLocator",
       "PNR.PNRRETRIEVAL",
       {},
       {"type 520 abc123"},
       {{518, "by record locator is the first mode, the one this case sends"}}},
      {"PNRRetrieval/AirlineLocator",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 1", "type 520 xyz123", "type 539 baw"}},
      {"PNRRetrieval/PassengerName",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 2", "type 521 smith", "type 536 a1b2", "type 538 john"}},
      {"PNRRetrieval/PassengerAndFlight",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 3", "type 521 smith", "type 525 sin", "type 537 123", "type 538 john",
        "type 539 sq", "type 541 15mar", "type 542 hkg"}},
      {"PNRRetrieval/GroupName",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 4", "type 523 ski club", "type 536 ab12", "type 539 sq"}},
      {"PNRRetrieval/GroupAndFlight",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 5", "type 523 smith tour", "type 525 sin", "type 537 123", "type 539 sq",
        "type 540 cx", "type 541 15mar", "type 542 hkg"}},
      {"PNRRetrieval/TicketNumber",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 6", "type 519 1234567890"}},
      {"PNRRetrieval/FlightManifest",
       "PNR.PNRRETRIEVAL",
       {},
       {"select 518 7", "click 527", "select 543 2", "type 539 sq", "type 537 123", "type 550 y",
        "type 541 15mar", "type 525 sin", "type 542 hkg", "type 524 hk", "type 536 ab12"}},
      // The dialog starts with the organiser box checked, and Clear unchecks it: the cases
      // start from a Clear. The added passengers keep their names, types and phones, not their
      // profile references: the lists have none.
      {"PNRCreationGIT/Fixed",
       "PNR.CREATION.GIT",
       {"click 232"},
       {"select 462 2",     "type 464 sq",        "type 497 15",        "type 466 tour",
        "click 468",        "type 470 sin",       "type 472 abc",       "type 474 bkk",
        "type 475 lee",     "type 278 12345678",  "type 302 87654321",  "select 211 1",
        "type 219 paid",    "type 215 15mar",     "type 409 mr lee",    "type 413 acme travel",
        "type 411 joe",     "type 415 5551234",   "type 417 1 main st", "type 419 suite 4",
        "type 421 level 2", "type 553 singapore", "type 555 123456",    kGroupPassenger,
        "click 225"},
       {{841, "this case sends the agency block; the free-text case copies it from DOSS"}}},
      {"PNRCreationGIT/FreeTextFromDoss",
       "PNR.CREATION.GIT",
       {"click 232"},
       {"select 462 1", "type 464 sq", "type 497 20", "type 466 ski club", "type 475 tan",
        "type 278 12345678", "type 302 87654321", "select 211 2", "type 215 1234567890123",
        "type 219 1.1", "type 236 1-2", "type 409 mr tan", "click 841",
        "answer addpax ok 000000000 SMITH,JOHN,MR,0,,,,=TAN,MEI,MS,3,ZZZ", "click 225"},
       {},
       {{236, "hidden in the time-limit layout Clear goes back to, with the limit of the last"}}},
      creationFit(false),
      creationFit(true),
      addEmail(false),
      addEmail(true),
  };
  return all;
}

const std::vector<SendOnly>& sendOnlyMasks() {
  static const std::vector<SendOnly> all = {
      {"PNRModificationDivide",
       "its buttons send the chosen passengers at once; it keeps nothing to recall",
       {"pnr-pax 1|BROWN|JOHN|N", "pnr-pax 2|BROWN|ANN|N", "pnr-pax 3|BROWN|TOM|N", "show",
        "reply GETPNRINFO", "click 662", "click 664"},
       {"click 680"}},
      {"CreateAddPax",
       "the hosted add-passenger control is its only control; it keeps nothing to recall",
       {"addpax-list SMITH,JOHN,MR,0,,,,=LEE,ANN,MS,3,ZZZ,,,"},
       {"addpax-fire 1"}},
  };
  return all;
}

// The class name of a case: its name up to the first "/".
std::string maskOf(const char* caseName) {
  const std::string name(caseName);
  return name.substr(0, name.find('/'));
}

// Runs script portions against one mask on a fresh desk home; each portion's output is parsed
// line by line.
class DrivenMask {
 public:
  explicit DrivenMask(const std::string& mask)
      : session_(module(), *typelib::findClass(mask), home_.folder(), output_) {}

  std::vector<Json> run(const Lines& commands) {
    std::string script;
    for (const std::string& command : commands) script += command + "\n";
    std::istringstream lines(script);
    printed_.str("");
    const int status = session_.run(lines);
    EXPECT_EQ(status, 0) << printed_.str();
    std::vector<Json> parsed;
    std::istringstream output(printed_.str());
    for (std::string line; std::getline(output, line);) parsed.push_back(Json::parse(line));
    return parsed;
  }

  // Every control of the dialog by its id, as the drive prints it; but the status line,
  // which shows the tip of whichever control has the focus.
  std::map<int, Json> controls() {
    std::map<int, Json> byId;
    for (Json& line : run({"dump"})) {
      const int id = line.value("control", 0);
      if (id != resources::kStatusLineId) byId[id] = std::move(line);
    }
    return byId;
  }

  // The keys and values of a whiteboard section, in file order.
  std::vector<std::pair<std::string, std::string>> section(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const Json& line : run({"wbdump " + name})) {
      values.emplace_back(line["wb"]["key"], line["wb"]["value"]);
    }
    return values;
  }

 private:
  static const ModuleLoader& module() {
    static const ModuleLoader loaded(ModuleLoader::defaultModulePath());
    return loaded;
  }

  // The open PNR, the add-passenger control and the agent profile belong to the process, not
  // to the home: each case starts from what a new drive process starts with.
  struct FreshDesk {
    FreshDesk() {
      static const std::optional<AgentProfile> startingProfile = agentProfile();
      openPnr() = {};
      addPassengerControl() = {};
      agentProfile() = startingProfile;
    }
  } desk_;
  struct PreparedHome : test::TempHome {
    PreparedHome() { prepareHome(folder()); }
  } home_;
  std::ostringstream printed_;
  DriveOutput output_{printed_};
  DriveSession session_;
};

// The commands the mask fired, with their arguments; message boxes count as a fault.
std::vector<std::string> sentCommands(const std::vector<Json>& output) {
  std::vector<std::string> sent;
  for (const Json& line : output) {
    EXPECT_FALSE(line.contains("msgbox")) << line.dump();
    if (line.contains("event") && line["event"] == "Send") {
      sent.push_back(line["args"].empty() ? "" : line["args"][0].get<std::string>());
    }
  }
  return sent;
}

// The id of the button with the caption.
int buttonId(const std::map<int, Json>& controls, const std::string& caption) {
  for (const auto& [id, state] : controls) {
    if (state["kind"] == "button" && state["text"] == caption) return id;
  }
  ADD_FAILURE() << "no button " << caption;
  return 0;
}

// The controls the commands act on.
std::set<int> actedOn(const Lines& commands) {
  std::set<int> ids;
  for (const std::string& command : commands) {
    std::istringstream words(command);
    std::string verb;
    int id = 0;
    words >> verb;
    if (verb != "type" && verb != "set" && verb != "select" && verb != "click") continue;
    if (words >> id) ids.insert(id);
  }
  return ids;
}

bool exempt(const std::vector<Exemption>& exemptions, int id) {
  return std::any_of(exemptions.begin(), exemptions.end(),
                     [id](const Exemption& each) { return each.control == id; });
}

// Whether the agent enters a value in the control: an edit, list, combo or check box that is
// enabled and shown. Radio buttons are a choice between modes, which the cases pick.
bool takesValue(const Json& state) {
  static const std::set<std::string> kinds = {"edit", "combo", "list", "check"};
  return kinds.count(state["kind"].get<std::string>()) != 0 && state["enabled"] == true &&
         state["visible"] == true;
}

class SendClearRecallTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SendClearRecallTest, RecallBringsBackWhatWasSentAndSendsItAgain) {
  const RoundTrip& trip = GetParam();
  DrivenMask mask(maskOf(trip.name));
  mask.run(trip.setup);
  mask.run({"open"});
  const std::map<int, Json> started = mask.controls();
  const int send = buttonId(started, "Send");
  const int clear = buttonId(started, "Clear");
  const int recall = buttonId(started, "Recall");

  // The fill reaches every control that takes a value, and changes each one it acts on.
  mask.run(trip.fill);
  const std::set<int> filled = actedOn(trip.fill);
  const std::map<int, Json> entered = mask.controls();
  for (const Exemption& exemption : trip.notFilled) {
    const auto found = entered.find(exemption.control);
    EXPECT_TRUE(found != entered.end() && takesValue(found->second))
        << "control " << exemption.control << " takes no value: its exemption is not needed";
  }
  for (const auto& [id, state] : entered) {
    if (takesValue(state) && !filled.count(id) && !exempt(trip.notFilled, id)) {
      ADD_FAILURE() << "the fill leaves out control " << id << ": " << state.dump();
    }
    if (filled.count(id) && takesValue(started.at(id)) && state == started.at(id)) {
      ADD_FAILURE() << "the fill does not change control " << id << ": " << state.dump();
    }
  }

  Lines sending = {"click " + std::to_string(send)};
  sending.insert(sending.end(), trip.replies.begin(), trip.replies.end());
  const std::vector<std::string> first = sentCommands(mask.run(sending));
  ASSERT_EQ(first.size(), trip.sends) << "the first Send";
  const std::map<int, Json> sent = mask.controls();
  const auto saved = mask.section(trip.section);
  EXPECT_FALSE(saved.empty()) << "Send saved nothing in " << trip.section;

  mask.run({"click " + std::to_string(clear)});
  // An exemption that no longer holds is reported, so that the table stays true.
  for (const auto& [id, state] : mask.controls()) {
    if (exempt(trip.notCleared, id)) {
      EXPECT_NE(state, started.at(id))
          << "Clear brings control " << id << " back: its exemption is not needed";
    } else {
      EXPECT_EQ(state, started.at(id)) << "Clear leaves control " << id << " as sent";
    }
  }

  mask.run({"click " + std::to_string(recall)});
  for (const auto& [id, state] : mask.controls()) {
    if (exempt(trip.notRecalled, id)) {
      EXPECT_NE(state, sent.at(id))
          << "Recall brings control " << id << " back: its exemption is not needed";
    } else {
      EXPECT_EQ(state, sent.at(id)) << "Recall does not bring back control " << id;
    }
  }
  for (const Exemption& exemption : trip.notRecalled) {
    if (!exemption.reenter.empty()) mask.run({exemption.reenter});
  }

  const std::vector<std::string> second = sentCommands(mask.run(sending));
  EXPECT_EQ(second, first) << "the second Send";
  EXPECT_EQ(mask.section(trip.section), saved) << "the second Send's whiteboard section";
}

INSTANTIATE_TEST_SUITE_P(EveryMask, SendClearRecallTest, ::testing::ValuesIn(roundTrips()),
                         [](const ::testing::TestParamInfo<RoundTrip>& trip) {
                           std::string name = trip.param.name;
                           std::replace(name.begin(), name.end(), '/', '_');
                           return name;
                         });

class SendOnlyTest : public ::testing::TestWithParam<SendOnly> {};

// A mask without Clear and Recall sends the same command each time and writes no whiteboard
// state.
TEST_P(SendOnlyTest, SendsTheSameCommandAgainAndKeepsNothing) {
  const SendOnly& only = GetParam();
  DrivenMask mask(only.name);
  mask.run(only.setup);
  mask.run({"open"});
  const std::map<int, Json> started = mask.controls();
  for (const char* caption : {"Clear", "Recall"}) {
    for (const auto& [id, state] : started) EXPECT_NE(state["text"], caption) << state.dump();
  }
  const std::optional<std::string> board = readFileIfExists(whiteboardFile());

  const std::vector<std::string> first = sentCommands(mask.run(only.send));
  ASSERT_EQ(first.size(), 1u) << "the first Send";
  EXPECT_EQ(sentCommands(mask.run(only.send)), first) << "the second Send";
  EXPECT_EQ(readFileIfExists(whiteboardFile()), board);
}

INSTANTIATE_TEST_SUITE_P(EveryMask, SendOnlyTest, ::testing::ValuesIn(sendOnlyMasks()),
                         [](const ::testing::TestParamInfo<SendOnly>& only) {
                           return std::string(only.param.name);
                         });

// Every class of the type library has its case: a new mask comes with its values.
TEST(SendClearRecallCoverageTest, EveryMaskHasACase) {
  std::set<std::string> covered;
  for (const RoundTrip& trip : roundTrips()) covered.insert(maskOf(trip.name));
  for (const SendOnly& mask : sendOnlyMasks()) covered.insert(mask.name);
  for (const typelib::ClassDescription& description : typelib::classes()) {
    EXPECT_TRUE(covered.count(std::string(description.name))) << description.name;
  }
}

}  // namespace
}  // namespace desk
