#pragma once
// The passenger name modification mask: the passenger (a name number, or a list of the PNR's
// passengers in its place), the surname, the given name and title or a free text, and the
// received-from text.

#include "resources/DialogParts.h"

namespace resources::pnr_modification_passenger {

inline constexpr int kDialogId = 133;
inline constexpr int kNameNumberLabel = 558;
inline constexpr int kNameNumber = 557;
inline constexpr int kPassengerList = 863;  // over the name number
inline constexpr int kSurnameLabel = 747;
inline constexpr int kSurname = 564;
inline constexpr int kGivenNameMode = 868;
inline constexpr int kGivenNameLabel = 560;
inline constexpr int kGivenName = 559;
inline constexpr int kTitleLabel = 562;
inline constexpr int kTitle = 561;
inline constexpr int kFreeTextMode = 869;
inline constexpr int kFreeTextLabel = 571;
inline constexpr int kFreeText = 565;
inline constexpr int kReceivedFromLabel = 870;
inline constexpr int kReceivedFrom = 569;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_passenger
