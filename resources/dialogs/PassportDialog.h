#pragma once
// The passport data creation mask: the request's type and passport on the left, the segment,
// primary holder, name select, date of birth and gender on the right.

#include "resources/DialogParts.h"

namespace resources::pnr_creation_ssr {

inline constexpr int kDialogId = 124;
inline constexpr int kTypeLabel = 445;
inline constexpr int kType = 292;
inline constexpr int kPassportLabel = 446;
inline constexpr int kPassport = 294;
inline constexpr int kNationalityLabel = 447;
inline constexpr int kNationality = 296;
inline constexpr int kSegmentLabel = 448;
inline constexpr int kSegment = 298;
inline constexpr int kSurnameLabel = 449;
inline constexpr int kSurname = 431;
inline constexpr int kGivenNameLabel = 450;
inline constexpr int kGivenName = 432;
inline constexpr int kPrimaryHolder = 429;
inline constexpr int kNameSelectLabel = 451;
inline constexpr int kNameSelect = 430;
inline constexpr int kDateOfBirthLabel = 452;
inline constexpr int kDateOfBirth = 433;
inline constexpr int kGenderLabel = 453;
inline constexpr int kGender = 434;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_creation_ssr
