#pragma once
// Fields of the larger creation masks and the address modification mask: a free address line,
// the agency's address block (pre-filled from the agent's profile on the whiteboard), the
// group name of a group booking, a two-character carrier code with its code lookup, and the
// auto-create check box.

#include <array>
#include <string>
#include <string_view>

#include "fields/CField.h"
#include "fields/CFieldLabel.h"
#include "fields/PhoneFields.h"

namespace fields {

class CFieldAddress : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

// Capital letters, blanks and "/", beginning with two letters.
class CFieldGrpName : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int minimumLength,
             int modification);
  int Validate();

 private:
  int minimumLength_ = 0;
};

class CFieldCarrierCode : public CField {
 public:
  // The label becomes a link to the carrier code table named in the main settings.
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
  const std::string& LookupTable() const { return lookupTable_; }

 private:
  std::string lookupTable_;
};

// The agency's name, agent, telephone and six address lines.
class CFieldAgencyAddress {
 public:
  static constexpr std::size_t kLines = 6;

  virtual ~CFieldAgencyAddress() = default;
  virtual bool ProcessWindowMessage(const platform::Message&, platform::LRESULT&) { return false; }

  // Ends by filling the controls from the agent's profile on the whiteboard.
  int Create(platform::Window& dialog, int agencyLabelId, int agencyValueId, int telLabelId,
             int telValueId, int agentLabelId, int agentValueId, int addressLabelId, int line1Id,
             int line2Id, int line3Id, int line4Id, int line5Id, int line6Id, int modification);
  int Validate();
  // The agency phone line ("9 ACME 5551234 JOE-A", empty when none of the three is filled)
  // and the address line ("W-" + agency + free-text mark + each filled line of 1 to 5).
  void BuildFragment(std::string& phoneLine, std::string& addressLine) const;
  // "AGENCYNAME", "AGENTNAME", "AGENCYTEL", "ADDRESS1" to "ADDRESS6".
  void Save(CTorvanProfile& profile) const;
  void Load(CTorvanProfile& profile);
  void Clear();
  // Each value only when not empty.
  void SetValues(std::string_view agent, std::string_view agency, std::string_view telephone);
  // The agency only when not empty; lines 1 to 5 always.
  void SetAddress(std::string_view agency, std::string_view line1, std::string_view line2,
                  std::string_view line3, std::string_view line4, std::string_view line5);

 private:
  void PrefillFromProfile();

  platform::Window* dialog_ = nullptr;
  int hasAddress_ = 0;
  CFieldAgentName agentName_;
  CFieldAgencyName agencyName_;
  CFieldTelNo telephone_;
  CFieldLabel addressLabel_;
  std::array<CField, kLines> lines_;
  int modification_ = 0;
};

// The auto-create check box: "5.AUTOSF/YES" when checked.
class CFieldAutoCreate {
 public:
  int Create(platform::Window& dialog, int checkBoxId, int mandatory);
  std::string BuildFragment() const;
  int Validate() const { return 1; }
  void SetCheck(int flag);
  void Enable(int flag);
  // Unchecks the box.
  void Clear() { SetCheck(0); }
  // "1" when checked, "0" otherwise; loading checks the box only for "1".
  void Save(CTorvanProfile& profile, std::string_view key) const;
  void Load(CTorvanProfile& profile, std::string_view key);

 private:
  platform::Window* dialog_ = nullptr;
  platform::Window* checkBox_ = nullptr;
  CFieldLabel label_;
  int mandatory_ = 0;
  int checkBoxId_ = 0;
};

}  // namespace fields
