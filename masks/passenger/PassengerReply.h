#pragma once
// The host's passenger list, as the reply to "%%JX PAX" gives it: an XML document whose node
// //VELANO//N_AIRAALSAD0PNR0//N_PAX000 holds one child a passenger, with the name number in
// N_00TF ("01.01"), the surname in N_000N, the given name and title in N_000O ("JOHN MR") and
// a free text in N_00SI. A first child whose N_00SG is "C" stands for the PNR itself and is
// not a passenger.

#include <string>
#include <string_view>
#include <vector>

namespace masks {

struct PassengerRecord {
  std::string nameNumber;  // "1.1"
  std::string surname;
  std::string title;
  std::string givenName;
  std::string freeText;
};

// Each text is kept to the 1023 characters a mask reads into its buffers.
inline constexpr std::size_t kPassengerTextLimit = 1023;

// The passengers in reply order; none when the reply is not XML or lacks the passenger node.
std::vector<PassengerRecord> parsePassengerReply(std::string_view reply);

// "01.01" reads "1.1": leading zeros go from both numbers. A number without a point keeps no
// point ("01" reads "1").
std::string normaliseNameNumber(std::string_view text);

struct GivenNameAndTitle {
  std::string givenName;
  std::string title;
};

// Blanks are removed; a title the text ends with (MR, MRS, MS, MISS, MSTR, DR, PROF, tried in
// that order, in any letter case) is cut off: "JOHN MR" gives JOHN and MR, "ANNMISS" ANN and
// MISS, and "WILLIAMS" WILLIA and MS.
GivenNameAndTitle splitTitle(std::string_view text);

}  // namespace masks
