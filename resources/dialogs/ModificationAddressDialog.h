#pragma once
// The address modification mask: the kind of address, the agency line (a list over the line
// number) or the line number, and the agency name or the address in one place.

#include "resources/DialogParts.h"

namespace resources::pnr_modification_address {

inline constexpr int kDialogId = 163;
inline constexpr int kTypeLabel = 601;
inline constexpr int kType = 602;
inline constexpr int kAgencyLine = 604;  // over the line number
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kAgencyNameLabel = 596;
inline constexpr int kAgencyName = 595;
inline constexpr int kAddressLabel = 746;  // over the agency name
inline constexpr int kAddress = 613;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_address
