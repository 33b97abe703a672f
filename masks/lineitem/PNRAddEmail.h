#pragma once
// Adds e-mail elements to the open PNR: up to eighteen lines, each sent when its select box is
// checked, as "PE\u00A5" + the address + "\u00A5" + the kind or free text + "-" + the
// passenger, the lines joined by "|". On its first show the mask asks the desktop for the PNR's
// passengers and e-mail elements and waits for them disabled; it then offers the passengers on
// every line and pre-fills the lines with the e-mail addresses the PNR already holds.

#include <array>
#include <string>
#include <vector>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "framework/StandardMask.h"
#include "masks/lineitem/OpenPnrContacts.h"
#include "resources/dialogs/AddEmailDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRAddEmail : public framework::StandardMask<CPNRAddEmail, IPNRAddEmail> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRAddEmail",     resources::pnr_add_email::kDialog, resources::pnr_add_email::kButtons,
      "PNR.PNRADDEMAIL", framework::kModificationCaption,   framework::SendStyle::Logged};

  CPNRAddEmail();
  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;
  // Both keep a copy of their text and change nothing else.
  HRESULT initField(BSTR fieldsText) override;
  HRESULT initParam(BSTR paramsText) override;

  void BindFields(platform::Window& dialog);
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;
  // The free texts open or closed by their lines' kinds, after loading and clearing.
  void ApplyRules();

 private:
  struct Line {
    fields::CFieldCheck selected;
    fields::CField select;
    fields::CField nameNumber;
    fields::CField address;
    fields::CField freeText;
  };
  // The line's fields and kind, with their keys.
  void DeclareLine(int line);
  void FillPassengerLists();
  void PrefillLines();
  // The free text is open exactly when the line's kind is free text.
  void ApplyType(int line);
  std::intptr_t SelectedType(int line) const;
  bool IsSelected(int line) const;
  bool ValidateLine(int line);
  std::string LineItem(int line) const;
  platform::Window& Control(int id) const { return *dialog()->child(id); }

  std::array<fields::CField, 4> columns_;
  std::array<Line, resources::pnr_add_email::kLineCount> lines_;
  std::vector<std::string> passengerLabels_;  // "1.1 - DOE/JOHN"
  std::vector<masks::ExistingEmail> existingEmails_;
  std::string fieldsText_;
  std::string paramsText_;
  masks::OpenPnrWait openPnr_;
};
