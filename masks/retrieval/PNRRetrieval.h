#pragma once
// Displays one or more existing PNRs. The agent chooses how to find them (a retrieval mode);
// the mode enables the fields it uses, marks the mandatory ones and decides the command:
//   0 by record locator          "*" locator
//   1 by airline locator         "\u00A4" carrier "/*" locator
//   2 by passenger name          "*" ["-" pcc] "-" surname ["/" given name]
//   3 by passenger and flight    "*" carrier flight "/" date [from] [to] "-" surname ["/" given]
//   4 by group name              "*" ["-" pcc] "-C/" carrier "/" group name
//   5 by group and flight        "*" carrier flight "/" date [from] [to] "-C/" group carrier
//                                "/" group name
//   6 by ticket number           "*TKT" ticket
//   7 flight manifest            "L" ["G"] secondary code carrier flight class date from to
//                                ["/" status] ["/" pcc]
// A logged-style mask: Send fires the command, logs it and then saves the fields; a disabled
// field is saved empty.

#include <array>
#include <string>
#include <string_view>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/RetrievalDialogs.h"
#include "typelib/MaskInterfaces.h"

class CPNRRetrieval : public framework::StandardMask<CPNRRetrieval, IPNRRetrieval> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRRetrieval",     resources::pnr_retrieval::kDialog, resources::pnr_retrieval::kButtons,
      "PNR.PNRRETRIEVAL", framework::kRetrievalCaption,      framework::SendStyle::Logged};

  // The retrieval modes, in the order of the mode list; an entry's item data is its mode.
  enum Mode {
    kNoMode = -1,
    kByLocator,
    kByAirlineLocator,
    kByPassenger,
    kByPassengerFlight,
    kByGroup,
    kByGroupFlight,
    kByTicket,
    kFlightManifest,
    kModeCount
  };
  // The mask's fields. A mode sets the states of kTicket to kClass, in the order of the enum;
  // the mode list is always mandatory, and the GIT button follows the FIT button (kManifest).
  enum Field {
    kMode,
    kTicket,
    kLocator,
    kSurname,
    kGroupName,
    kStatus,
    kFromCity,
    kPcc,
    kFlight,
    kGivenName,
    kCarrier,
    kGroupCarrier,
    kDate,
    kToCity,
    kSecondaryCode,
    kManifest,
    kClass,
    kManifestGit,
    kFieldCount
  };
  enum State { kDisabled = 0, kMandatory = 1, kOptional = 2 };

  CPNRRetrieval();
  void BindFields(platform::Window& dialog);
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;
  void ApplyRules();

  // Enables the fields of the selected mode and marks the mandatory ones; empties the
  // carrier code.
  void ApplyMode();
  State StateOf(Field field) const { return states_[field]; }

 private:
  using TextCheck = bool (*)(std::string_view text);

  Mode SelectedMode() const;
  // The rules most fields share, skipped whole for a disabled field: a mandatory field must
  // not be blank; a text that is not blank must pass its character check and have at least
  // minLength characters.
  bool CheckField(Field field, int controlId, std::string_view mandatoryKey, TextCheck check,
                  std::string_view checkKey, int minLength = 0, std::string_view minKey = {});
  bool CheckFromCity();
  bool CheckToCity();
  void SetState(Field field, State state);

  // Every field's label and control; the lists' and buttons' values besides, at their fields.
  std::array<fields::CField, kFieldCount> fields_;
  std::array<fields::CFieldList, kFieldCount> lists_;
  std::array<fields::CFieldCheck, kFieldCount> buttons_;
  std::array<State, kFieldCount> states_{kMandatory};
};
