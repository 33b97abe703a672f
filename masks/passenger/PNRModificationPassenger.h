#pragma once
// Changes the name of one passenger of the open PNR, or attaches a free text to it. On its
// first show the mask has the host run "%%JX PAX" and stays disabled until the reply: the
// passengers it lists are chosen by name number, and the name command is built from what the
// agent edits ("-2.1\u00A4JOHNMR", "-2\u00A4SMYTH/JOHNMR", "-1.1\u00A4*VIP"). A received-from
// text goes out as a second command ("6PAX"). The desktop may name the passenger through the
// queue "ID_MODIFYPNR_PASSANGER".

#include <string>
#include <vector>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "fields/NumberFields.h"
#include "framework/StandardMask.h"
#include "masks/passenger/PassengerReply.h"
#include "resources/dialogs/ModificationPassengerDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationPassenger
    : public framework::StandardMask<CPNRModificationPassenger, IPNRModificationPassenger> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationPassenger", resources::pnr_modification_passenger::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.PASSENGER",
      framework::kModificationCaption};

  CPNRModificationPassenger();
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;
  // Validates, saves, fires the name command and then the received-from command (Send button
  // and Enter).
  void OnSend();

  void BindFields(platform::Window& dialog);
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;
  void ApplyRules();

 private:
  void OnShow();
  void FillList();
  void PreselectFromQueue();
  void ShowRecord(const masks::PassengerRecord* record);
  void OnPassengerSelected();
  void ApplyGivenNameMode();
  void ApplyFreeTextMode();
  bool IsGivenNameMode() const;
  bool IsFreeTextMode() const;
  // The record of the selected list entry; null for the empty entry or in name-number mode.
  const masks::PassengerRecord* SelectedRecord() const;
  std::string NameNumber() const;
  bool CreationFault(int controlId, std::string_view errorKey);
  bool CheckPassenger();
  bool CheckGivenNameAndTitle();
  bool CheckSurname();

  fields::CFieldPaxNameNo nameNumber_;
  fields::CField surname_;
  fields::CField givenNameMode_;
  fields::CField givenName_;
  fields::CField title_;
  fields::CField freeTextMode_;
  fields::CField freeText_;
  fields::CField receivedFrom_;
  fields::CFieldCheck givenNameButton_;
  fields::CFieldCheck freeTextButton_;
  std::vector<masks::PassengerRecord> records_;
  bool listMode_ = false;
  bool passengersRequested_ = false;
};
