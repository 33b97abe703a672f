#pragma once
// The rules of one passenger row of the individual creation mask that concern its PTC: which
// of the age and others edits is enabled, and the row's checks before and after the checks of
// its name and title fields. Texts are the controls' texts; empty means empty after trimming.

#include <optional>
#include <string>
#include <string_view>

#include "masks/fit/ProfileRecord.h"

namespace fit {

struct PassengerRow {
  std::string surname;
  std::string givenName;
  std::string title;
  Ptc ptc = Ptc::Adult;
  std::string age;
  std::string others;
};

// The age edit is enabled for Child and Infant, the others edit for Others; a disabled edit is
// emptied.
struct RowEnabling {
  bool age = false;
  bool others = false;
};
RowEnabling rowEnabling(Ptc ptc);

enum class RowControl { Surname, GivenName, Others, Age };

struct RowFault {
  std::string_view errorKey;
  RowControl control;
  bool operator==(const RowFault&) const = default;
};

// Before the name field's own check: a row with a title, or with PTC Child, Infant or Others,
// needs a surname and a given name.
std::optional<RowFault> checkRowNames(const PassengerRow& row);

// After the name and title fields' checks: the others code (present, letters only, three
// characters) and the age (present, a number, two characters, 2 to 11 for a child, 1 to 23
// for an infant).
std::optional<RowFault> checkRowPtc(const PassengerRow& row);

}  // namespace fit
