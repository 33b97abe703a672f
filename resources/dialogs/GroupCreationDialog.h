#pragma once
// The group PNR creation mask: the ids of the controls that its logic addresses.

#include <array>

#include "resources/DialogParts.h"
#include "resources/dialogs/CreationDialogParts.h"

namespace resources::pnr_creation_git {

inline constexpr int kDialogId = 189;

// The group header.
inline constexpr int kTypeLabel = 487;
inline constexpr int kType = 462;
inline constexpr int kCarrierCodeLabel = 488;
inline constexpr int kCarrierCode = 464;
inline constexpr int kNumberInGroupLabel = 498;
inline constexpr int kNumberInGroup = 497;
inline constexpr int kGroupNameLabel = 489;
inline constexpr int kGroupName = 466;
inline constexpr int kWithOrganiserLabel = 627;
inline constexpr int kWithOrganiser = 468;
inline constexpr int kBookingOfficeLabel = 490;
inline constexpr int kBookingOffice = 470;
inline constexpr int kTravelAgentLabel = 492;
inline constexpr int kTravelAgent = 472;
inline constexpr int kDestinationLink = 494;
inline constexpr int kDestination = 474;

// The customer's contact.
inline constexpr int kContactFrame = 626;
inline constexpr int kContactPersonLabel = 476;
inline constexpr int kContactPerson = 475;
inline constexpr int kBusinessPhoneLabel = 454;
inline constexpr int kBusinessPhone = 278;
inline constexpr int kHomePhoneLabel = 456;
inline constexpr int kHomePhone = 302;
inline constexpr int kAddPassenger = 225;

// Ticketing, received-from and agency.
using creation::AgencyIds;
using creation::kAgency;
using creation::kCopyFromDoss;
using creation::kReceivedFrom;
using creation::kReceivedFromLabel;
using creation::kTtl;
using creation::kTtlRowOrigin;
using creation::TtlIds;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_creation_git
