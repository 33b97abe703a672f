#pragma once
// The small dialogs the creation masks open over themselves, each hosting one outside control
// that fills it: the Add Passenger dialog (the add-passenger control), the Travel Policy Record
// dialog and the traveller-profile dialog "DOSS".

#include <string_view>

#include "platform/com/AddPassengerContract.h"
#include "platform/window/DialogTemplate.h"

namespace resources {

namespace add_passenger_dialog {
inline constexpr int kDialogId = 615;
inline constexpr int kControl = 853;
inline constexpr std::string_view kControlClass = platform::add_passenger::kClassName;
extern const platform::DialogTemplate kDialog;
}  // namespace add_passenger_dialog

namespace travel_policy_dialog {
inline constexpr int kDialogId = 849;
inline constexpr int kControl = 850;
inline constexpr std::string_view kControlClass = "Policy";
extern const platform::DialogTemplate kDialog;
}  // namespace travel_policy_dialog

namespace traveller_profile_dialog {
inline constexpr int kDialogId = 851;
inline constexpr int kControl = 852;
inline constexpr std::string_view kControlClass = "Doss";
extern const platform::DialogTemplate kDialog;
}  // namespace traveller_profile_dialog

}  // namespace resources
