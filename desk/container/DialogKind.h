#pragma once
// The modal dialogs a mask asks its container for, and the name each has wherever it crosses a
// boundary: what a mask passes to platform::modalDialog, a drive script's "answer KIND" and its
// {"dialog":"KIND"} lines, the web page's data-dialog. The desk's own code uses the enum; the
// names are mapped here alone.

#include <array>
#include <optional>
#include <string_view>

namespace desk {

enum class DialogKind {
  Calendar,          // the month calendar of a date field
  Coder,             // the code lookup of a field with a code table
  AddPassenger,      // the Add Passenger dialog with its hosted control
  TravelPolicy,      // the travel policy record
  TravellerProfile,  // the traveller profile lookup
  FrequentFlyer,     // the mask's own frequent-flyer card choice
};

inline constexpr std::array kDialogKinds{
    DialogKind::Calendar,         DialogKind::Coder,
    DialogKind::AddPassenger,     DialogKind::TravelPolicy,
    DialogKind::TravellerProfile, DialogKind::FrequentFlyer,
};

// "calendar", "coder", "addpax", "policy", "doss", "ffp".
std::string_view dialogKindName(DialogKind kind);
// The kind of that name (the exact lower-case name); nothing for any other text.
std::optional<DialogKind> dialogKindNamed(std::string_view name);

}  // namespace desk
