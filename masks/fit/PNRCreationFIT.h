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
#include "fields/ControlFields.h"
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
#include "masks/fit/DeskSettings.h"
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

  void AfterInitDialog();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  // The first half of Send: validate, save, read the code lists, ask the host for the agent
  // data. The command follows with the host's reply.
  void OnSend();
  // The declared fields, then what a cleared screen no longer holds: the profile travellers,
  // their strings and the added passengers.
  void ClearFields();
  // The rules that follow the recalled or cleared values: rows, addresses, personnel numbers,
  // agency, CTP and billing.
  void ApplyRules();

  // The creation command for a host reply to "%%JX AIT", as the second half of Send builds
  // it; reads the controls, the mask state and the settings only.
  std::string BuildCreationCommand(std::string_view reply);

 private:
  struct Row {
    fields::CFieldName name;
    fields::CFieldTitle title;
    fields::CFieldList ptc;
    fields::CFieldText others;
    fields::CFieldText age;
    // The traveller's profile: its record, whether it came from the back office, and the
    // dependant number of a given-name lookup.
    fit::MainRecord profile;
    bool profileMarker = false;
    std::string dependantNumber;
  };

  // A check box with the five lines it enables.
  struct Address {
    fields::CFieldCheck box;
    std::array<fields::CField, 5> lines;
  };

  // A personnel number: the check box and the edit it enables.
  struct PersonnelNumber {
    fields::CFieldCheck box;
    fields::CField edit;
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

  // The declarations, in the order of the whiteboard section.
  void DeclareRows();
  void DeclareContacts();
  void DeclareAddressesAndPersonnel();
  void DeclareDocumentsAndCopies();

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
  void ApplyAddressRule(const Address& address);
  void ApplyPersonnelRules();
  void ApplyAgencyRule();
  // 408 and 410 follow 462; an unchecked box empties 408; fill opens the policy dialog.
  void ApplyCtpRule(bool fill);
  void FillCtpFromPolicy();

  // Handlers.
  bool OnCommand(int id, int code);
  bool OnRowCommand(int id, int code);
  void CopySurnameFromRowAbove(std::size_t row);
  void StartLookup(fit::LookupKind kind, int row);
  void ChooseTravellerProfile(int row);
  void AddPassengers();
  void ImportProfile(std::string_view text, fit::LookupKind kind, int row);
  void ApplyImport(const fit::ProfileImport& imported);
  void ApplyFirstRow(const fit::FirstRowFill& fill);
  void SetRowPtc(std::size_t row, const fit::PtcChoice& choice);
  int CustomerSource() const;

  // Validation.
  bool ValidateRows();
  bool ValidateAddresses();
  bool ReportFault(const fit::FitFault& fault);
  bool ReportRowFault(std::size_t row, const fit::RowFault& fault);
  fit::PassengerRow RowTexts(std::size_t row) const;
  fit::Ptc RowPtc(std::size_t row) const;

  // Send's second half: the command input gathered piece by piece.
  fit::FitCommandInput GatherCommandInput(const fit::BookingData& booking);
  void GatherSlots(fit::FitCommandInput& input) const;
  void GatherContacts(fit::FitCommandInput& input);
  void GatherBillingAndPersonnel(fit::FitCommandInput& input);
  void GatherDocumentItems(fit::FitCommandInput& input, const fit::BookingData& booking,
                           const fit::BackOfficeSwitches& switches);

  std::array<Row, fit::kPassengerRows> rows_;
  fields::CFieldCheck billToCompany_;
  fields::CField sfCustId_;
  fields::CFieldTtl ttl_;
  fields::CFieldReceivedFrom receivedFrom_;
  fields::CFieldAgencyAddress agency_;
  fields::CFieldFaxNo fax_;
  fields::CField businessPhone_;
  fields::CField mobilePhone_;
  fields::CField homePhone_;
  fields::CFieldEmail email_;
  fields::CFieldPerson contactPerson_;
  Address billing_;
  Address delivery_;
  std::array<PersonnelNumber, 5> personnel_;
  fields::CFieldAutoCreate autoCreate_;
  fields::CFieldRemarks remarks_;
  fields::CFieldIdDoc idDoc_;
  fields::CFieldSsrPassport passport_;
  fields::CFieldCheck copyFromDoss_;
  fields::CFieldCheck copyFromCtp_;
  fields::CField ctp_;
  fields::CField dkNumber_;

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
