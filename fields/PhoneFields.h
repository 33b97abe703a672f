#pragma once
// Phone and fax fields: each produces a phone line of the PNR, "9", an optional line-number
// prefix for a change of an existing line, the number and optional names, and a type suffix
// ("-F" fax, "-H" home, "-C" mobile, "-B" business, "-A" agency).

#include <optional>
#include <string>
#include <string_view>

#include "fields/CField.h"

namespace fields {

// A line prefix: absent for a new line, a line number (possibly empty) for a change.
using LinePrefix = std::optional<std::string_view>;

class CFieldFaxNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
  // Empty when the number is empty; "9" + (prefix + change mark, or a blank) + number + "-F".
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
};

class CFieldTelNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory,
             std::string_view labKey, std::string_view tipKey, int modification);
  int Validate();
};

class CFieldHomeNo : public CFieldTelNo {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  // Built also for an empty number: "9" + (prefix + change mark) + number + "-H".
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
};

class CFieldMobNo : public CFieldTelNo {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  // Built also for an empty number: "9" + (prefix + change mark) + number + "-C".
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
};

class CFieldPerson : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

class CFieldAgencyName : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

class CFieldAgentName : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

// A business line: telephone and the person to ask for.
class CFieldBusTel {
 public:
  int Create(platform::Window& dialog, int telLabelId, int telValueId, int personLabelId,
             int personValueId, int personMandatory, int modification);
  int Validate();
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
  void Save(CTorvanProfile& profile) const;
  void Load(CTorvanProfile& profile);
  void Clear();
  void Enable(int flag);

 private:
  platform::Window* dialog_ = nullptr;
  int mandatory_ = 0;
  CFieldPerson person_;
  CFieldTelNo telephone_;
};

// An agency line: telephone, agency name and agent name.
class CFieldAgencyTel {
 public:
  int Create(platform::Window& dialog, int agencyLabelId, int agencyValueId, int agentLabelId,
             int agentValueId, int telLabelId, int telValueId, int namesMandatory,
             int modification);
  int Validate();
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
  void Save(CTorvanProfile& profile) const;
  void Load(CTorvanProfile& profile);
  void Clear();
  void Enable(int flag);

 private:
  platform::Window* dialog_ = nullptr;
  int mandatory_ = 0;
  CFieldAgencyName agencyName_;
  CFieldAgentName agentName_;
  CFieldTelNo telephone_;
};

}  // namespace fields
