#pragma once
// The add phone or fax mask: the kind of number, the number under one of five labels that lie
// on top of each other, and the names that go with the kind.

#include <array>

#include "resources/DialogParts.h"

namespace resources::pnr_add_phone_fax {

inline constexpr int kDialogId = 175;
inline constexpr int kTypeLabel = 226;
inline constexpr int kType = 233;
// One number label a kind, in the order of the type list.
inline constexpr int kAgencyNumberLabel = 229;
inline constexpr int kBusinessNumberLabel = 258;
inline constexpr int kHomeNumberLabel = 261;
inline constexpr int kMobileNumberLabel = 264;
inline constexpr int kFaxNumberLabel = 267;
inline constexpr std::array<int, 5> kNumberLabels{kAgencyNumberLabel, kBusinessNumberLabel,
                                                  kHomeNumberLabel, kMobileNumberLabel,
                                                  kFaxNumberLabel};
inline constexpr int kNumber = 235;
inline constexpr int kAgencyNameLabel = 231;
inline constexpr int kAgencyName = 237;
inline constexpr int kAgentNameLabel = 239;
inline constexpr int kAgentName = 241;
inline constexpr int kContactPersonLabel = 243;
inline constexpr int kContactPerson = 245;
inline constexpr ButtonIds kButtons{247, 249, 251, 253, 255};

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_add_phone_fax
