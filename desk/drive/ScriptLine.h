#pragma once
// One line of a drive script, read word by word. Words are separated by one blank; a TEXT
// argument takes the rest of the line verbatim.

#include <stdexcept>
#include <string>
#include <string_view>

namespace desk {

// A line that cannot be run: the script stops with exit status 2.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptLine {
 public:
  explicit ScriptLine(std::string_view text) : rest_(text) {}

  // The next word; a ScriptError names what when there is none.
  std::string word(std::string_view what);
  // The rest of the line after one blank, possibly empty.
  std::string text();
  // A decimal or 0x-hexadecimal number.
  long number(std::string_view what);
  bool atEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// Decimal or 0x hexadecimal, with an optional minus sign; throws ScriptError otherwise.
long parseNumber(std::string_view text, std::string_view what);

}  // namespace desk
