#pragma once
// What the individual and the group creation masks share: their whiteboard values, the
// agency block preset from the agent's profile, the Add Passenger dialog and the answers to
// the exchange messages.

#include <optional>
#include <string>
#include <string_view>

#include "fields/AddressFields.h"
#include "fields/CField.h"
#include "framework/services/CTorvanAgentInfo.h"
#include "framework/services/CTorvanProfile.h"
#include "masks/fit/AddPassengerList.h"
#include "masks/fit/ExchangeDialog.h"
#include "masks/fit/HostExchange.h"

namespace framework {
class MaskControlBase;
}  // namespace framework

namespace fit {

// The value under the key of the profile's section.
void saveProfileValue(CTorvanProfile& profile, std::string_view key, std::string_view value);
// The value under the key (at most 1023 characters), empty when none is stored.
std::string loadProfileValue(CTorvanProfile& profile, std::string_view key);

// A value of the whiteboard's section "USER" (the lookups' and hand-overs' keys).
void writeUserValue(std::string_view key, std::string_view value);

// Asks for the agent's profile (DOSS, not the current PNR); true when the desktop already
// knows it, false when the host's reply is to come.
bool requestAgentProfile(CTorvanAgentInfo& agentInfo, platform::Window* parent);

// The agency's name and five address lines from the agent's profile.
void presetAgency(const CTorvanAgentInfo& agentInfo, fields::CFieldAgencyAddress& agency);

// Runs the Add Passenger dialog over the mask: made on first use, its control given the
// customer source and the current list (none: the empty text). The list it hands back, made
// with that source, or nothing when it is cancelled or hands back no list. When a profile
// exchange made in it asked for the phones, they fill the home and the business phone.
std::optional<SavedAddPassengerList> runAddPassengerDialog(
    platform::Window& mask, int customerSource, const SavedAddPassengerList* current,
    ExchangeDialog& dialog, HostExchange& exchange, fields::CField& homePhone,
    fields::CField& businessPhone);

// A message of the exchanges: the exchange marks the waiting, and the mask sends what was
// asked: the dialog's command text, its three texts to another component (after
// "CP_RenderTree"), the search, or the agent information's host command. A message whose
// dialog holds no such request sends nothing.
void answerExchangeMessage(const ExchangeMessage& message, HostExchange& exchange,
                           ExchangeDialogs& dialogs, CTorvanAgentInfo& agentInfo,
                           framework::MaskControlBase& mask);

// A host reply: the first waiting dialog (the route's) takes it.
void handReplyToDialog(const ReplyRoute& route, ExchangeDialogs& dialogs, std::string_view reply);

}  // namespace fit
