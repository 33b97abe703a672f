#pragma once
// Creates the booking record of up to nine individual travellers (and nine more added through
// the Add Passenger dialog) with their contact phones, billing and delivery addresses,
// corporate billing data, personnel numbers, remarks, an identity document, an SSR passport
// item and the ticketing time limit. Travellers come in from customer profiles: a row's
// lookup buttons, the back office's receivedFrom, and the hand-over file left before the mask
// opened.
//
// Send runs in two halves: it validates, saves, and asks the host for the agent data
// ("%%JX AIT"); the creation command is built and fired when the container hands the host's
// reply back (SetResponse), from the booking data in that reply.

#include <array>
#include <optional>
#include <string>

#include "fields/AddressFields.h"
#include "fields/EmailField.h"
#include "fields/NameFields.h"
#include "fields/PhoneFields.h"
#include "fields/RemarkFields.h"
#include "fields/SsrPassportField.h"
#include "fields/TtlField.h"
#include "framework/StandardMask.h"
#include "framework/services/CTorvanAgentInfo.h"
#include "masks/fit/AddPassengerList.h"
#include "masks/fit/BookingData.h"
#include "masks/fit/ExchangeDialog.h"
#include "masks/fit/FitChecks.h"
#include "masks/fit/FitCommandBuilder.h"
#include "masks/fit/HostExchange.h"
#include "masks/fit/MarketSettings.h"
#include "masks/fit/PassengerRowRules.h"
#include "masks/fit/ProfileImport.h"
#include "masks/fit/TravelDocumentItems.h"
#include "resources/dialogs/FitDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRCreationFIT : public framework::StandardMask<CPNRCreationFIT, IPNRCreationFIT> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRCreationFIT", resources::pnr_creation_fit::kDialog, framework::kMarkerStyleButtons,
      "PNR.CREATION.FIT", framework::kCreationCaption};

  CPNRCreationFIT();

  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;
  HRESULT receivedFrom(BSTR source, BSTR destination, BSTR text) override;

  void BindFields(platform::Window& dialog);
  void AfterInitDialog();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  // The first half of Send: validate, save, read the code lists, ask the host for the agent
  // data. The command follows with the host's reply.
  void OnSend();
  void SaveFields(CTorvanProfile& profile);
  void LoadFields(CTorvanProfile& profile);
  void ClearFields();

  // The creation command for a host reply to "%%JX AIT", as the second half of Send builds
  // it; reads the controls, the mask state and the settings only.
  std::string BuildCreationCommand(std::string_view reply);

 private:
  struct Row {
    fields::CFieldName name;
    fields::CFieldTitle title;
    platform::Window* ptc = nullptr;
    platform::Window* others = nullptr;
    platform::Window* age = nullptr;
    // The traveller's profile: its record, whether it came from the back office, and the
    // dependant number of a given-name lookup.
    fit::MainRecord profile;
    bool profileMarker = false;
    std::string dependantNumber;
  };

  // The customer-profile strings of the first-row import, saved with the mask.
  struct ProfileStrings {
    std::string companyName;
    std::string corporateId;
    std::string travellerName;
    std::string surname;
    std::string givenName;
    fit::ProfilePhone home, mobile, business, fax;
  };

  // Opening.
  void FillCustomerSource();
  void ReadCustomerSource();
  void PrepareRows();
  void LabelControls();
  void ImportHandOverFile();
  void RequestAgentProfile();
  void PresetAgencyFromProfile();

  // Rules that depend on check boxes and lists.
  void ApplyRowRules(std::size_t row);
  void ApplyBillingRules();
  void ApplyAddressRule(int checkBoxId, const std::array<int, 5>& lineIds);
  void ApplyPersonnelRules();
  void ApplyAgencyRule();
  // 408 and 410 follow 462; an unchecked box empties 408; fill opens the policy dialog.
  void ApplyCtpRule(bool fill);
  void FillCtpFromPolicy();

  // Handlers.
  bool OnCommand(int id, int code);
  void CopySurnameFromRowAbove(std::size_t row);
  void StartLookup(fit::LookupKind kind, int row);
  void ChooseTravellerProfile(int row);
  void AddPassengers();
  void ImportProfile(std::string_view text, fit::LookupKind kind, int row);
  void ApplyImport(const fit::ProfileImport& imported);
  void ApplyFirstRow(const fit::FirstRowFill& fill);
  void SetRowPtc(std::size_t row, const fit::PtcChoice& choice);

  // Validation helpers.
  bool ReportFault(const fit::FitFault& fault);
  bool ReportRowFault(std::size_t row, const fit::RowFault& fault);
  fit::PassengerRow RowTexts(std::size_t row) const;
  fit::Ptc RowPtc(std::size_t row) const;

  // Send's second half.
  fit::FitCommandInput GatherCommandInput(const fit::BookingData& booking);
  std::optional<std::size_t> ChooseCard(const fit::DocumentTraveller& traveller,
                                        const std::vector<fit::EligibleCard>& cards);

  std::string Text(int id) const;
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void EnableControl(int id, bool enabled);
  int CustomerSource() const;

  std::array<Row, fit::kPassengerRows> rows_;
  fields::CFieldTtl ttl_;
  fields::CFieldReceivedFrom receivedFrom_;
  fields::CFieldAgencyAddress agency_;
  fields::CFieldPerson contactPerson_;
  fields::CField businessPhone_;
  fields::CField mobilePhone_;
  fields::CField homePhone_;
  fields::CFieldFaxNo fax_;
  fields::CFieldEmail email_;
  fields::CFieldRemarks remarks_;
  fields::CFieldIdDoc idDoc_;
  fields::CFieldSsrPassport passport_;
  fields::CFieldAutoCreate autoCreate_;
  fields::CField sfCustId_;
  fields::CField dkNumber_;
  fields::CField ctp_;
  std::array<fields::CField, 5> personnel_;
  std::array<fields::CField, 5> billingLines_;
  std::array<fields::CField, 5> deliveryLines_;

  bool backOffice_ = false;
  ProfileStrings profileStrings_;
  std::optional<fit::SavedAddPassengerList> addedPassengers_;
  fit::HostExchange exchange_;
  fit::ExchangeDialogs dialogs_;
  CTorvanAgentInfo agentInfo_;
  fit::CodeLists codeLists_;
  fit::LookupKind pendingKind_ = fit::LookupKind::Surname;
  int pendingRow_ = -1;
};
