#pragma once
// Fields that produce a whole element of a PNR: a remark (general, itinerary or invoice,
// optionally for a segment), the received-from element, and an identity document line
// (passport or exit/re-entry permit number with the holder's name).
//
// The remark and identity document fields have a type combo box that switches their other
// controls on and off, and may have an attached line field (the line-number field of a
// modification mask): it is enabled and disabled with them, and its text, with the change
// mark, is the line prefix of their fragment.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fields/CField.h"
#include "fields/CFieldLabel.h"
#include "fields/FieldParts.h"
#include "fields/NameFields.h"

namespace fields {

class CFieldReceivedFrom : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
  // Empty for an empty text; otherwise "6" + (change mark when withEscape) + text.
  std::string BuildFragment(bool withEscape) const;
};

// What the remark and identity document fields share: the type combo with its label, whose
// choice switches the element's other controls on and off, and the attached line field.
class TypedElementField {
 public:
  virtual ~TypedElementField() = default;
  // The type combo's selection-accepted notification updates the enabling.
  virtual bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

 protected:
  // Keeps the dialog, the line field and the mask's mode for the element's faults.
  void Attach(platform::Window& dialog, CField* lineField, int modification);
  // Binds the type label and fills the type combo with the names of the types (after the empty
  // entry of an optional type).
  void CreateType(int typeLabelId, int typeComboId, int typeMandatory,
                  std::span<const std::string_view> names);
  // The selected type; nothing, with the fault shown, when no entry is selected.
  std::optional<int> CheckedType() const;
  // "5", then for an attached line field its text and the change mark.
  std::string ElementStart() const;
  // Switches the element's controls on and off for the selected type.
  virtual void UpdateEnabling() = 0;

  TypeCombo type_;
  CField* lineField_ = nullptr;

 private:
  platform::Window* dialog_ = nullptr;
  CFieldLabel typeLabel_;
  int modification_ = 0;
};

class CFieldRemarks : public TypedElementField {
 public:
  enum Type { kNoType = 0, kGeneral = 1, kItinerary = 2, kInvoice = 3 };

  int Create(platform::Window& dialog, int typeLabelId, int typeComboId, int segmentLabelId,
             int segmentEditId, int remarkLabelId, int remarkEditId, int typeMandatory,
             CField* lineField, int modification);
  int Validate();
  // Empty for no type; "5" + (line + change mark) + general: remark; itinerary: free-text mark
  // + ("S" + segment + " ") + remark; invoice: "." + ("S" + segment + " ") + remark.
  std::string BuildFragment() const;
  // "TYPE1", "SEGNO1", "REMARK1".
  int Save(CTorvanProfile& profile) const;
  int Load(CTorvanProfile& profile);
  void Clear();

 private:
  void UpdateEnabling() override;

  CField segment_;
  CField remark_;
};

class CFieldIdDoc : public TypedElementField {
 public:
  enum Type { kNoType = 0, kPassport = 1, kExitPermit = 2 };

  int Create(platform::Window& dialog, int typeLabelId, int typeComboId, int idLabelId,
             int idValueId, int surnameLabelId, int surnameValueId, int givenLabelId,
             int givenValueId, int typeMandatory, CField* lineField, int modification);
  int Validate();
  // Empty for no type; "5" + (line + change mark) + ("EP" or "PP") + number + ("-" + surname)
  // + ("/" + given name).
  std::string BuildFragment() const;
  // "TYPE2", "IDNO2", "SURNAME2", "GIVENNAME2".
  int Save(CTorvanProfile& profile) const;
  int Load(CTorvanProfile& profile);
  void Clear();

 private:
  void UpdateEnabling() override;

  CFieldName holder_;
  CField number_;
};

}  // namespace fields
