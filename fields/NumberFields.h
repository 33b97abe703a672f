#pragma once
// Fields of small numbers and number lists that select something inside an existing record:
// the line to change, passenger name numbers, seats, segments, the number in a group. They
// validate only; the masks put the texts into their commands.

#include "fields/CField.h"

namespace fields {

class CFieldLineNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

class CFieldPaxNameNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  int Validate();
};

class CFieldPaxNameNos : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  int Validate();
};

class CFieldSeatNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  int Validate();
};

// One segment number, a range "2-4", or a list "1/3/5". An accepted number or range is
// rewritten in its normal form (" 2 -  4" reads "2-4", "03" reads "3").
class CFieldSegmentNo : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory);
  int Validate();

 private:
  int ValidateRange(const std::string& text);
  int ValidateList(const std::string& text);
  int ValidateSingle(const std::string& text);
};

class CFieldNoInGrp : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int modification);
  int Validate();
};

// The number of passengers divided off, or with remaining non-zero, those that remain.
class CFieldNoPaxDivide : public CField {
 public:
  int Create(platform::Window& dialog, int labelId, int valueId, int mandatory, int remaining);
  int Validate();
};

}  // namespace fields
