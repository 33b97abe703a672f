#pragma once
// Creates a group PNR: a group name header of one of two kinds ("Free Text Group Name" or
// "Fixed Group Name"), the passengers added through the Add Passenger dialog, the agency and
// ticketing items, the received-from item, two contact phones and "*A", e.g.
//   -C/SQ/20TOUR|7TAW15MAR/\u00A76MR LEE|9 12345678LEE-B|N*\u00A4\u00A7NM|*A
// The agency block is filled from the agent's profile, asked of the host when the desktop does
// not know it yet. The Add Passenger dialog, the customer-profile exchange and the agent
// information are those of the individual creation mask. The desktop drives the mask also by
// window messages: 0x0C04 Send, 0x0C05 Recall, 0x0C06 Clear, 0x0C07 Cancel.

#include <optional>
#include <string>
#include <vector>

#include "fields/AddressFields.h"
#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "fields/RemarkFields.h"
#include "fields/TtlField.h"
#include "framework/StandardMask.h"
#include "framework/services/CTorvanAgentInfo.h"
#include "masks/fit/AddPassengerList.h"
#include "masks/fit/ExchangeDialog.h"
#include "masks/fit/HostExchange.h"
#include "masks/group/GroupCommand.h"
#include "resources/dialogs/GroupCreationDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationGIT : public framework::StandardMask<CPNRCreationGIT, IPNRCreationGIT> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationGIT", resources::pnr_creation_git::kDialog, framework::kMarkerStyleButtons,
      "PNR.CREATION.GIT", framework::kCreationCaption};

  // The desktop's messages to the mask.
  static constexpr UINT kSendMessage = 0x0C04;
  static constexpr UINT kRecallMessage = 0x0C05;
  static constexpr UINT kClearMessage = 0x0C06;
  static constexpr UINT kCancelMessage = 0x0C07;

  CPNRCreationGIT();
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;
  HRESULT receivedFrom(BSTR source, BSTR destination, BSTR text) override;

  void BindFields(platform::Window& dialog);
  void AfterInitDialog();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  bool OnExchangeMessage(UINT code);
  void OnAddPassenger();
  void ApplyType();
  void ApplyCopyFromDoss();
  void FillAgencyFromAgentInfo();
  group::GroupType Type() const;
  // True when the control's text is blank or made of letters, digits and extraChars; else
  // reports the fault.
  bool BlankOrAlphanumeric(int controlId, std::string_view errorKey, std::string_view extraChars);
  bool CheckFixedGroup();
  bool CheckContact();

  fields::CField typeLabel_;
  fields::CFieldList type_;
  fields::CFieldCarrierCode carrierCode_;
  fields::CFieldNoInGrp numberInGroup_;
  fields::CFieldGrpName groupName_;
  fields::CField withOrganiserLabel_;
  fields::CFieldCheck withOrganiser_;
  fields::CField bookingOffice_;
  fields::CField travelAgent_;
  fields::CField destination_;
  fields::CFieldPerson contactPerson_;
  fields::CField businessPhone_;
  fields::CField homePhone_;
  fields::CFieldTtl ttl_;
  fields::CFieldReceivedFrom receivedFrom_;
  fields::CFieldAgencyAddress agency_;
  fields::CField copyFromDossLabel_;
  fields::CFieldCheck copyFromDoss_;

  std::optional<fit::SavedAddPassengerList> passengers_;
  CTorvanAgentInfo agentInfo_;
  fit::HostExchange exchange_;
  fit::ExchangeDialogs dialogs_{false};
};
