#pragma once
// Reading a decimal integer from the start of a text as the "%d" scan does: white space is
// skipped, then an optional sign and at least one digit; what follows is not looked at.
// Values beyond the range of int are held at its ends.

#include <cstddef>
#include <optional>
#include <string_view>

namespace fields {

struct ScannedNumber {
  int value;
  std::size_t end;  // index just after the number
};

std::optional<ScannedNumber> scanNumber(std::string_view text, std::size_t start = 0);

}  // namespace fields
