#pragma once
// The whiteboard settings of section "USER" that the creation masks read: the customer
// profile source and the back office's switches.

#include <optional>
#include <string>
#include <string_view>

namespace fit {

// The customer-source list's item data.
inline constexpr int kSourceDoss = 0;
inline constexpr int kSourceLedgerwise = 1;

// "CustomerProfileSource" as stored (empty when missing).
std::string customerProfileSource();

// The entry of the individual creation mask's source list that the stored source selects:
// "Ledgerwise" the back office's, any other non-empty value DOSS; nothing (the selection
// stays) when no source is stored.
std::optional<int> sourceSelection(std::string_view storedSource);

// The source the add-passenger control is given: DOSS for "DOSS", the back office's for
// "Ledgerwise" while the back-office switch is on, -1 otherwise.
int addPassengerSource(std::string_view storedSource, bool backOffice);
// That source for the stored source and back-office switch as they are now.
int currentAddPassengerSource();

struct BackOfficeSwitches {
  bool backOffice = false;     // "BackOffice" is "1"
  bool frequentFlyer = false;  // "BackOfficeFFP" reads as the number 1
  bool passport = false;       // "BackOfficePSPT"
  bool contacts = false;       // "BackOfficeCTCB"
};
BackOfficeSwitches readBackOfficeSwitches();

// A switch read as a decimal number, as the desktop's own readers do: optional blanks and
// sign, then digits; anything after them is ignored, and no digits read as 0.
int switchValue(std::string_view text);

// The CTP text from the travel policy record's two values: the first, and "-" and the second
// when there is one.
std::string ctpText(std::string_view first, std::string_view second);

}  // namespace fit
