#pragma once
// The retrieval mask's tables: the fields each mode sets, the lists' entries, and the rows that
// bind the fields and keep their values.

#include <array>
#include <string_view>

#include "masks/retrieval/PNRRetrieval.h"

namespace retrieval {

namespace ids = resources::pnr_retrieval;
using F = CPNRRetrieval::Field;
using M = CPNRRetrieval::Mode;

// The fields each mode makes mandatory and optional; the mode list, which no mode sets, fills
// the unused places.
struct ModeFields {
  std::array<F, 7> mandatory;
  std::array<F, 3> optional;
};

inline constexpr std::array<ModeFields, M::kModeCount> kModes{{
    {{F::kLocator}, {}},
    {{F::kLocator, F::kCarrier}, {}},
    {{F::kSurname}, {F::kPcc, F::kGivenName}},
    {{F::kSurname, F::kCarrier, F::kDate, F::kFlight}, {F::kGivenName, F::kFromCity, F::kToCity}},
    {{F::kGroupName, F::kCarrier}, {F::kPcc}},
    {{F::kCarrier, F::kFlight, F::kDate, F::kGroupName, F::kGroupCarrier},
     {F::kFromCity, F::kToCity}},
    {{F::kTicket}, {}},
    {{F::kDate, F::kFromCity, F::kCarrier, F::kFlight, F::kClass, F::kSecondaryCode, F::kManifest},
     {F::kToCity, F::kStatus, F::kPcc}},
}};

inline constexpr std::array<std::string_view, M::kModeCount> kModeEntries{
    "LAB_RETPNR_BYPNRLCTR",   "LAB_RETPNR_BYAIRLCTR", "LAB_RETPNR_BYPAXNAME",
    "LAB_RETPNR_BYPAXFLIGHT", "LAB_RETPNR_BYGRPNAME", "LAB_RETPNR_BYGRPFLIGHT",
    "LAB_RETPNR_BYTKTNUMBER", "DATA_RETPNR_BYFIT"};
inline constexpr std::array<std::string_view, 6> kSecondaryCodeEntries{
    "DATA_RETPNR_SC_H", "DATA_RETPNR_SC_C", "DATA_RETPNR_SC_W",
    "DATA_RETPNR_SC_P", "DATA_RETPNR_SC_Q", "DATA_RETPNR_SC_X"};

// The carrier code takes two characters; an airline's own locator comes with up to three.
inline constexpr int kCarrierLength = 2;
inline constexpr int kAirlineLocatorCarrierLength = 3;

// How a row's value is kept: a list's selected item data, an edit's text, or a radio button's
// selection state.
enum class Kept { List, Text, Radio };

struct Row {
  F field;
  int labelId;
  int controlId;
  int maxLength;
  std::string_view labKey;
  std::string_view tipKey;
  std::string_view key;
  Kept kept;
};

// The mask's fields in the order they are saved. The mode's label is always in the mandatory
// colour; the GIT button has no label of its own.
inline constexpr std::array<Row, F::kFieldCount> kRows{{
    {F::kMode, ids::kModeLabel, ids::kMode, 0, "MENU_ID_PNR_RETRIEVE",
     "TOOLTIP_RETPNR_PNR_RETRIEVE", "RETRIEVE_PNR", Kept::List},
    {F::kTicket, ids::kTicketLabel, ids::kTicket, 11, "LAB_RETPNR_TKTNUMBER",
     "TOOLTIP_RETPNR_TKTNUMBER", "TICKET_NO", Kept::Text},
    {F::kLocator, ids::kLocatorLabel, ids::kLocator, 6, "LAB_MAN_VOID_TKT_PNR_LOCATOR",
     "TOOLTIP_RETPNR_LOCATOR", "PNR_LOCATOR", Kept::Text},
    {F::kSurname, ids::kSurnameLabel, ids::kSurname, 30, "LAB_RETPNR_SURNAME",
     "TOOLTIP_RETPNR_SURNAME", "SURNAME", Kept::Text},
    {F::kGroupName, ids::kGroupNameLabel, ids::kGroupName, 28, "LAB_RETPNR_GRPNAME",
     "TOOLTIP_RETPNR_GRPNAME", "GROUP_NAME", Kept::Text},
    {F::kStatus, ids::kStatusLabel, ids::kStatus, 2, "LAB_MANTIX_S_STATUS", "TOOLTIP_RETPNR_STATUS",
     "STATUS", Kept::Text},
    {F::kFromCity, ids::kFromCityLabel, ids::kFromCity, 3, "LAB_NETFARESDISPLAY_FROMCITY",
     "TOOLTIP_RETPNR_FROM", "FROM_CITY", Kept::Text},
    {F::kPcc, ids::kPccLabel, ids::kPcc, 4, "LAB_RETPNR_PCC", "TOOLTIP_RETPNR_PCC", "PCC",
     Kept::Text},
    {F::kFlight, ids::kFlightLabel, ids::kFlight, 6, "LAB_RETPNR_FLIGHT", "TOOLTIP_RETPNR_FLIGHT",
     "FLIGHT_NO", Kept::Text},
    {F::kGivenName, ids::kGivenNameLabel, ids::kGivenName, 32, "LAB_RETPNR_GIVNAME",
     "TOOLTIP_RETPNR_GIVNAME", "GIVEN_NAME", Kept::Text},
    {F::kCarrier, ids::kCarrierLabel, ids::kCarrier, kCarrierLength, "LAB_PNR_CARRIERCODE",
     "TOOLTIP_RETPNR_CARRIERCODE3", "CARRIER_CODE", Kept::Text},
    {F::kGroupCarrier, ids::kGroupCarrierLabel, ids::kGroupCarrier, kCarrierLength,
     "LAB_RETPNR_GRPNAME_CARRIERCODE", "TOOLTIP_CARRIER_CODE", "GROUP_NAME_CARRIER_CODE",
     Kept::Text},
    {F::kDate, ids::kDateLabel, ids::kDate, 5, "LAB_PNR_DEPTDATE", "TOOLTIP_RETPNR_DEPDATE",
     "DEPT_DATE", Kept::Text},
    {F::kToCity, ids::kToCityLabel, ids::kToCity, 3, "LAB_NETFARESDISPLAY_TOCITY",
     "TOOLTIP_RETPNR_TO", "TO_CITY", Kept::Text},
    {F::kSecondaryCode, ids::kSecondaryCodeLabel, ids::kSecondaryCode, 0,
     "LAB_RETPNR_SECONDARY_CODE", "TOOLTIP_RETPNR_SECONDARY_CODE", "SECONDARY_CODE", Kept::List},
    {F::kManifest, ids::kManifestLabel, ids::kManifestFit, 0, "LAB_RETPNR_FLIGHT_MANIFEST",
     "TOOLTIP_RETPNR_FIT", "FIT", Kept::Radio},
    {F::kManifestGit, -1, ids::kManifestGit, 0, "", "TOOLTIP_RETPNR_GIT", "GIT", Kept::Radio},
    {F::kClass, ids::kClassLabel, ids::kClass, 2, "_LAB_CLASS", "TOOLTIP_RETPNR_CLASS", "CLASS",
     Kept::Text},
}};
static_assert(kRows.front().field == F::kMode, "the mode is saved first and loaded first");

}  // namespace retrieval
