#pragma once
// The add e-mail mask: eighteen lines, each a select box, the passenger (a list of the PNR's
// passengers, or a name number edit in its place), the address, the kind of e-mail and a free
// text, under four column headers.

#include <array>

#include "resources/DialogParts.h"

namespace resources::pnr_add_email {

inline constexpr int kDialogId = 495;
inline constexpr int kNameNumberColumn = 281;
inline constexpr int kAddressColumn = 323;
inline constexpr int kTypeColumn = 345;
inline constexpr int kFreeTextColumn = 367;
inline constexpr ButtonIds kButtons{389, 391, 393, 395, 397};

struct EmailLine {
  int select;
  int passengers;  // over the name number
  int nameNumber;
  int address;
  int type;
  int freeText;
};

inline constexpr int kLineCount = 18;
// Lines 1 to 10 in the first id block (select boxes as listed, the others two apart); lines
// 11 to 18 in the second, one apart.
inline constexpr auto kLines = [] {
  constexpr std::array<int, 10> firstSelects{257, 260, 263, 266, 269, 271, 273, 275, 277, 279};
  std::array<EmailLine, kLineCount> lines{};
  for (int line = 0; line < 10; ++line) {
    lines[line] = {firstSelects[line], 283 + 2 * line, 303 + 2 * line,
                   325 + 2 * line,     347 + 2 * line, 369 + 2 * line};
  }
  for (int line = 10; line < kLineCount; ++line) {
    const int k = line - 10;
    lines[line] = {783 + k, 799 + k, 791 + k, 807 + k, 815 + k, 823 + k};
  }
  return lines;
}();

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_add_email
