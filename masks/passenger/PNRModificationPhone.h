#pragma once
// Replaces one phone or fax element of the open PNR, named by its line number, with a new
// agency, business, home, mobile or fax number: the kind chosen in a list shows its number,
// and the element goes out as the kind's phone line with the line number as its prefix
// ("93\u00A45551234-F", "92\u00A4 5551234 SMITH-B"). The mask opens without a kind chosen.

#include <optional>
#include <string>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "fields/NumberFields.h"
#include "fields/PhoneFields.h"
#include "fields/PhoneKinds.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/ModificationPhoneDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationPhone
    : public framework::StandardMask<CPNRModificationPhone, IPNRModificationPhone> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationPhone", resources::pnr_modification_phone::kDialog,
      framework::kMarkerStyleButtons, "PNR.MODIFICATION.PHONE", framework::kModificationCaption};

  CPNRModificationPhone();
  void BindFields(platform::Window& dialog);
  void AfterInitDialog();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  std::optional<fields::PhoneKind> SelectedKind() const;
  // Shows the number of the chosen kind and opens the names that go with it.
  void ApplyKind();
  // The checks of the chosen kind's number and names, before the line number.
  bool CheckNumber(fields::PhoneKind kind);
  // A text that is not blank must be made of letters, digits, "-" and blanks.
  bool CheckOptionalCharacters(int controlId, std::string_view errorKey);

  fields::CField type_;
  fields::CFieldList typeList_;
  fields::CFieldLineNo lineNo_;
  fields::CFieldAgencyTel agencyTel_;
  fields::CFieldBusTel businessTel_;
  fields::CFieldHomeNo home_;
  fields::CFieldMobNo mobile_;
  fields::CFieldFaxNo fax_;
};
