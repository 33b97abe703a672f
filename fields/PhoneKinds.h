#pragma once
// The kinds of number a phone element of a PNR holds, as the phone masks' type lists offer
// them: each kind's entry text and the fault of its missing number. An entry's item data is
// its kind.

#include <array>
#include <optional>
#include <string_view>

#include "platform/window/Window.h"

namespace fields {

enum PhoneKind {
  kAgencyPhone,
  kBusinessPhone,
  kHomePhone,
  kMobilePhone,
  kFaxPhone,
  kPhoneKindCount
};

struct PhoneKindTexts {
  std::string_view entryKey;
  std::string_view missingKey;
};

inline constexpr std::array<PhoneKindTexts, kPhoneKindCount> kPhoneKinds{{
    {"DATA_VESPIN4_AGENCYPHONE", "ERR_PNR_PSGR_AGENCY_PHONE_NO_MANDATORY"},
    {"DATA_PNR_BUSINESSPHONE", "ERR_PNR_PSGR_BUSNS_PHONE_NO_MANDATORY"},
    {"DATA_VESPIN4_HOMEPHONE", "ERR_PNR_PSGR_HOME_PHONE_NO_MANDATORY"},
    {"DATA_PNR_MOBILEPHONE", "ERR_PNR_PSGR_MOB_PHONE_NO_MANDATORY"},
    {"IDS_RAD_FAX", "ERR_PNR_PSGR_FAX_NO_MANDATORY"},
}};

// Adds an entry for every kind, in the order of the kinds, with the language text of its key
// (the key itself when the table has none).
void addPhoneKindEntries(platform::Window& list);
// The kind of the selected entry; nothing while no entry or an entry of no kind is selected.
std::optional<PhoneKind> selectedPhoneKind(const platform::Window& list);

}  // namespace fields
