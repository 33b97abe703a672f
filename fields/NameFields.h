#pragma once
// A passenger's name in the host syntax: a surname and a given name (which may carry a title
// after a "/"), checked together by CFieldName, and a title. They validate only; the fields
// that put a name into a command read the texts through CFieldName.

#include <string>
#include <string_view>

#include "fields/CField.h"

namespace fields {

class CFieldSurname : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int minimumLength,
             int modification);
  // Letters only and at least the minimum length; an empty surname is always a fault here.
  int Validate();

 private:
  int minimumLength_ = 0;
};

class CFieldGivenName : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  // Letters and "/" only (JOHN/MR); empty is a fault here.
  int Validate();
};

class CFieldTitle : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

// Surname and given name checked as a pair: both or neither (neither only when the pair is
// optional).
class CFieldName {
 public:
  int Create(platform::Window& dialog, int surnameLabelId, int surnameValueId, int givenLabelId,
             int givenValueId, int mandatory, int modification);
  int Validate();
  int Save(CTorvanProfile& profile, std::string_view surnameKey, std::string_view givenKey) const;
  int Load(CTorvanProfile& profile, std::string_view surnameKey, std::string_view givenKey);
  void Clear();
  void Enable(int flag);
  void SetSurname(std::string_view text);
  std::string GetSurname(std::size_t bufferSize = kFieldBuffer) const;
  void SetGivenName(std::string_view text);
  std::string GetGivenName(std::size_t bufferSize = kFieldBuffer) const;
  void SelectSurname();

 private:
  platform::Window* dialog_ = nullptr;
  int mandatory_ = 0;
  CFieldGivenName givenName_;
  CFieldSurname surname_;
  int modification_ = 0;
};

}  // namespace fields
