#pragma once
// The PNR retrieval mask.

#include "resources/DialogParts.h"

namespace resources {

namespace pnr_retrieval {
inline constexpr int kDialogId = 127;
inline constexpr ButtonIds kButtons{544, 545, 546, 547, 548};

inline constexpr int kModeLabel = 509;
inline constexpr int kMode = 518;
inline constexpr int kTicketLabel = 510;
inline constexpr int kTicket = 519;
inline constexpr int kLocatorLabel = 511;
inline constexpr int kLocator = 520;
inline constexpr int kSurnameLabel = 512;
inline constexpr int kSurname = 521;
inline constexpr int kGroupNameLabel = 514;
inline constexpr int kGroupName = 523;
inline constexpr int kStatusLabel = 515;
inline constexpr int kStatus = 524;
inline constexpr int kFromCityLabel = 516;
inline constexpr int kFromCity = 525;
inline constexpr int kManifestLabel = 517;
inline constexpr int kManifestFit = 526;
inline constexpr int kManifestGit = 527;
inline constexpr int kPccLabel = 528;
inline constexpr int kPcc = 536;
inline constexpr int kFlightLabel = 529;
inline constexpr int kFlight = 537;
inline constexpr int kGivenNameLabel = 530;
inline constexpr int kGivenName = 538;
inline constexpr int kCarrierLabel = 531;
inline constexpr int kCarrier = 539;
inline constexpr int kGroupCarrierLabel = 532;
inline constexpr int kGroupCarrier = 540;
inline constexpr int kDateLabel = 533;
inline constexpr int kDate = 541;
inline constexpr int kToCityLabel = 534;
inline constexpr int kToCity = 542;
inline constexpr int kSecondaryCodeLabel = 535;
inline constexpr int kSecondaryCode = 543;
inline constexpr int kClassLabel = 549;
inline constexpr int kClass = 550;

extern const platform::DialogTemplate kDialog;
}  // namespace pnr_retrieval

}  // namespace resources
