#pragma once
// The special service request that carries a traveller's passport data, in one of two forms:
//   "PSPT":  3PSPT2/X1234567/US/01JAN70/SMITH/JOHN/M/H-1.1 (empty trailing elements dropped)
//   "3OTHS": 3OTHS2/PSPT X1234567 US 01JAN70 SMITH JOHN M H-1.1
// The nationality is looked up in the country code table, the date of birth picked from the
// calendar; checking the primary-holder box makes the name select mandatory.

#include <string>

#include "fields/CField.h"
#include "fields/CFieldLabel.h"
#include "fields/FieldParts.h"
#include "fields/NameFields.h"

namespace fields {

class CFieldSsrPassport {
 public:
  enum Type { kNoType = 0, kPassport = 1, kOthers = 2 };

  virtual ~CFieldSsrPassport() = default;
  // A click on the primary-holder box recolours the name-select label; the type combo's
  // selection-accepted notification updates the enabling.
  virtual bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

  int Create(platform::Window& dialog, int typeLabelId, int typeComboId, int passportLabelId,
             int passportEditId, int nationalityLabelId, int nationalityEditId, int surnameLabelId,
             int surnameEditId, int givenLabelId, int givenEditId, int segmentLabelId,
             int segmentEditId, int holderCheckId, int nameSelectLabelId, int nameSelectEditId,
             int dobLabelId, int dobEditId, int genderLabelId, int genderComboId, int typeMandatory,
             int modification);
  int Validate();
  // Empty for no type.
  std::string BuildFragment() const;
  // "TYPE3", "PASSPORTNO3", "NATIONALITY3", "SEGNO3", "HOLDER3", "NAMESELECT3", "DOB3",
  // "GENDER3", "SURNAME3", "GIVENNAME3".
  int Save(CTorvanProfile& profile) const;
  int Load(CTorvanProfile& profile);
  void Clear();

  // The code table the nationality is looked up in.
  const std::string& NationalityTable() const { return nationalityTable_; }

 private:
  void UpdateEnabling();
  void ColourNameSelect();
  bool IsPrimaryHolder() const;
  // "M", "F", "MI", "FI", or empty when no gender is chosen.
  std::string GenderCode() const;
  int ValidateDateOfBirth();

  platform::Window* dialog_ = nullptr;
  TypeCombo type_;
  int holderCheckId_ = 0;
  int typeMandatory_ = 0;
  CFieldName holder_;
  CFieldLabel typeLabel_;
  CField passport_;
  CField nationality_;
  CField segment_;
  platform::Window* holderCheck_ = nullptr;
  CFieldLabel holderLabel_;
  CField nameSelect_;
  CField dateOfBirth_;
  CFieldLabel genderLabel_;
  platform::Window* genderCombo_ = nullptr;
  std::string nationalityTable_;
  int modification_ = 0;
};

}  // namespace fields
