#pragma once
// The individual PNR creation mask: the ids of the controls that its logic addresses.

#include <array>

#include "resources/DialogParts.h"
#include "resources/dialogs/CreationDialogParts.h"

namespace resources::pnr_creation_fit {

inline constexpr int kDialogId = 104;

// One passenger row: its edits, its PTC list and its two lookup buttons.
struct PassengerRowIds {
  int surname, givenName, title, ptc, others, age, surnameLookup, givenNameLookup;
};
inline constexpr std::array<PassengerRowIds, 9> kRows = {{
    {183, 193, 195, 199, 647, 203, 187, 197},
    {324, 328, 330, 332, 648, 334, 326, 461},
    {336, 340, 342, 344, 649, 346, 338, 463},
    {348, 352, 354, 356, 650, 358, 350, 465},
    {360, 364, 366, 368, 651, 370, 362, 467},
    {372, 376, 378, 380, 652, 382, 374, 469},
    {384, 388, 390, 392, 653, 394, 386, 471},
    {396, 399, 400, 743, 654, 402, 742, 473},
    {831, 838, 834, 835, 839, 836, 832, 833},
}};
// The row numbers "1." to "9.".
inline constexpr int kFirstRowNumber = 854;
// Column headers.
inline constexpr int kSurnameHeader = 238;
inline constexpr int kGivenNameHeader = 240;
inline constexpr int kTitleHeader = 242;
inline constexpr int kPtcHeader = 244;
inline constexpr int kOthersHeader = 646;
inline constexpr int kAgeHeader = 246;

inline constexpr int kCustomerSourceLabel = 748;
inline constexpr int kCustomerSource = 749;
inline constexpr int kAddPassenger = 225;

// Corporate billing.
inline constexpr int kBillToCompany = 205;
inline constexpr int kCorporateLookup = 403;
inline constexpr int kSfCustIdLabel = 248;
inline constexpr int kSfCustId = 207;
inline constexpr int kDkNumberLabel = 249;
inline constexpr int kDkNumber = 208;
inline constexpr int kCopyFromCtp = 462;
inline constexpr int kCtp = 408;
inline constexpr int kCtpButton = 410;

// Ticketing and agency.
using creation::kCopyFromDoss;
inline constexpr std::array<int, 9> kAgencyControls = {413, 417, 419, 421, 553, 555, 840, 415, 411};

// Contact info.
inline constexpr int kContactPersonLabel = 476;
inline constexpr int kContactPerson = 475;
inline constexpr int kBusinessPhoneLabel = 454;
inline constexpr int kBusinessPhone = 278;
inline constexpr int kMobilePhoneLabel = 455;
inline constexpr int kMobilePhone = 300;
inline constexpr int kHomePhoneLabel = 456;
inline constexpr int kHomePhone = 302;
inline constexpr int kFaxLabel = 457;
inline constexpr int kFax = 304;
using creation::kReceivedFrom;

// Addresses.
inline constexpr int kBillingAddress = 280;
inline constexpr std::array<int, 5> kBillingLines = {312, 314, 316, 482, 842};
inline constexpr int kDeliveryAddress = 282;
inline constexpr std::array<int, 5> kDeliveryLines = {318, 320, 322, 480, 843};

// Personnel numbers: check box and edit.
inline constexpr int kDepartmentBox = 424;
inline constexpr int kDepartment = 404;
inline constexpr int kIcNumberBox = 425;
inline constexpr int kIcNumber = 405;
inline constexpr int kEmployeeNumberBox = 426;
inline constexpr int kEmployeeNumber = 406;
inline constexpr int kExitPermitBox = 427;
inline constexpr int kExitPermit = 407;
inline constexpr int kDependentIcBox = 428;
inline constexpr int kDependentIc = 423;

inline constexpr int kAutoCreate = 436;

// The controls of the reusable fields.
using creation::AgencyIds;
using creation::kAgency;
using creation::kReceivedFromLabel;
using creation::kTtl;
using creation::kTtlRowOrigin;
using creation::TtlIds;
struct RemarksIds {
  int typeLabel, type, segmentLabel, segment, textLabel, text;
};
inline constexpr RemarksIds kRemarks{437, 272, 438, 274, 439, 276};
struct IdDocIds {
  int typeLabel, type, numberLabel, number, surnameLabel, surname, givenLabel, given;
};
inline constexpr IdDocIds kIdDoc{440, 284, 442, 286, 443, 288, 444, 290};
struct PassportIds {
  int typeLabel, type, passportLabel, passport, nationalityLabel, nationality, segmentLabel,
      segment, surnameLabel, surname, givenLabel, given, primaryHolder, nameSelectLabel, nameSelect,
      birthLabel, birth, genderLabel, gender;
};
inline constexpr PassportIds kPassport{445, 292, 446, 294, 447, 296, 448, 298, 449, 431,
                                       450, 432, 429, 451, 430, 452, 433, 453, 434};
struct EmailIds {
  int addressLabel, address, freeTextLabel, freeText, passengerLabel, passenger;
};
inline constexpr EmailIds kEmail{458, 306, 459, 308, 460, 310};

// Frames.
inline constexpr int kCustomerFrame = 625;
inline constexpr int kContactFrame = 626;
inline constexpr int kRemarksFrame = 661;
inline constexpr int kPersonnelFrame = 441;
inline constexpr int kPassportFrame = 660;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_creation_fit
