#pragma once
// Changes one address element of the open PNR: a line of the agency address (the agency name
// or one of five address lines, "W-1\u00A4ABC TRAVEL"), or a delivery or billing address line
// named by its line number ("57\u00A4DL-10 HIGH ST", "57\u00A4/10 HIGH ST"). The mask opens
// without a kind of address chosen.

#include <string>

#include "fields/AddressFields.h"
#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/ModificationAddressDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationAddress
    : public framework::StandardMask<CPNRModificationAddress, IPNRModificationAddress> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationAddress", resources::pnr_modification_address::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.ADDRESS", framework::kModificationCaption};

  // The kinds of address, in the order of the type list; the item data of each is its index.
  enum Kind { Agency, Delivery, Billing, kKindCount, kNoKind = -1 };

  CPNRModificationAddress();
  void BindFields(platform::Window& dialog);
  void AfterInitDialog();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;
  void ApplyRules() { ApplyKind(); }

 private:
  Kind SelectedKind() const;
  // The selected agency line: 0 the agency name, 1 to 5 the address lines; -1 for none.
  int SelectedAgencyLine() const;
  void ApplyKind();
  void ApplyAgencyLine();
  // Shows the agency name or the address, whichever the agency line names.
  void ShowNameOrAddress();

  fields::CField type_;
  fields::CFieldList typeList_;
  fields::CFieldList agencyLineList_;
  fields::CFieldLineNo lineNo_;
  fields::CFieldAgencyName agencyName_;
  fields::CFieldAddress address_;
  // 1 exactly when the agency line list has its first entry (the agency name) selected.
  int agencyNameShown_ = 1;
};
