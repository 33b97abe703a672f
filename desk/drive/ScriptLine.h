#pragma once
// One line of a drive script, read word by word. Words are separated by one blank; a TEXT
// argument takes the rest of the line verbatim.

#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace desk {

// A line that cannot be run: the script stops with exit status 2.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number as written: decimal or 0x hexadecimal digits, after at most one minus.
struct WrittenNumber {
  bool negative = false;
  std::uint64_t magnitude = 0;
};

// Throws ScriptError naming what unless text is such a number within 64 bits.
WrittenNumber parseWrittenNumber(std::string_view text, std::string_view what);
[[noreturn]] void throwOutOfRange(std::string_view text, std::string_view what);

// Decimal or 0x hexadecimal, with at most one leading minus, within the range of Integer;
// throws ScriptError otherwise.
template <std::integral Integer>
Integer parseNumber(std::string_view text, std::string_view what) {
  const WrittenNumber number = parseWrittenNumber(text, what);
  using Limits = std::numeric_limits<Integer>;
  if (!number.negative) {
    if (number.magnitude > static_cast<std::uint64_t>(Limits::max())) {
      throwOutOfRange(text, what);
    }
    return static_cast<Integer>(number.magnitude);
  }
  if (number.magnitude == 0) return 0;
  // The lowest value's magnitude is one more than the highest value.
  if (!Limits::is_signed || number.magnitude - 1 > static_cast<std::uint64_t>(Limits::max())) {
    throwOutOfRange(text, what);
  }
  return static_cast<Integer>(-static_cast<Integer>(number.magnitude - 1) - 1);
}

class ScriptLine {
 public:
  explicit ScriptLine(std::string_view text) : rest_(text) {}

  // The next word; a ScriptError names what when there is none.
  std::string word(std::string_view what);
  // The rest of the line after one blank, possibly empty.
  std::string text();
  // The next word as a number of type Integer (see parseNumber).
  template <std::integral Integer>
  Integer number(std::string_view what) {
    return parseNumber<Integer>(word(what), what);
  }
  bool atEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace desk
