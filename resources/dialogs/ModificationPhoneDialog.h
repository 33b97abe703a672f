#pragma once
// The phone modification mask: the kind of number, the line to change, and the number of that
// kind; the five number edits lie on top of each other, the kind decides which one shows.

#include <array>

#include "resources/DialogParts.h"

namespace resources::pnr_modification_phone {

inline constexpr int kDialogId = 151;
inline constexpr int kTypeLabel = 601;
inline constexpr int kType = 602;
inline constexpr int kLineLabel = 563;
inline constexpr int kLineNumber = 565;
inline constexpr int kAgencyTelLabel = 593;
inline constexpr int kAgencyTel = 594;
inline constexpr int kAgencyNameLabel = 596;
inline constexpr int kAgencyName = 595;
inline constexpr int kAgentNameLabel = 598;
inline constexpr int kAgentName = 597;
inline constexpr int kBusinessTelLabel = 844;
inline constexpr int kBusinessTel = 846;
inline constexpr int kPersonLabel = 600;
inline constexpr int kPerson = 599;
inline constexpr int kHomeLabel = 845;
inline constexpr int kHome = 847;
inline constexpr int kMobileLabel = 606;
inline constexpr int kMobile = 848;
inline constexpr int kFaxLabel = 568;
inline constexpr int kFax = 566;

// The label and edit of each kind's number, in the order of the type list.
struct NumberIds {
  int label;
  int edit;
};
inline constexpr std::array<NumberIds, 5> kNumbers{{{kAgencyTelLabel, kAgencyTel},
                                                    {kBusinessTelLabel, kBusinessTel},
                                                    {kHomeLabel, kHome},
                                                    {kMobileLabel, kMobile},
                                                    {kFaxLabel, kFax}}};
// The names that go with an agency or a business number.
inline constexpr std::array<int, 6> kNameControls{kAgencyNameLabel, kAgencyName,  kAgentNameLabel,
                                                  kAgentName,       kPersonLabel, kPerson};

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_phone
