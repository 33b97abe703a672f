#pragma once
// The divide and reduce mask: eighteen passenger rows, each a check box, the name number and
// the passenger's name, and its own row of buttons.

#include <array>

#include "resources/DialogParts.h"

namespace resources::pnr_modification_divide {

inline constexpr int kDialogId = 160;
inline constexpr int kNameNumberColumnLabel = 720;
inline constexpr int kNameColumnLabel = 721;
inline constexpr int kDivideButton = 680;
inline constexpr int kReduceButton = 681;
inline constexpr int kDisplayButton = 682;  // OSI/SSR
inline constexpr int kCancelButton = 683;
inline constexpr int kHelpButton = 722;

struct PassengerRow {
  int check;
  int nameNumber;
  int name;
};

inline constexpr int kRowCount = 18;
// Row k (from 1): check box 661 + k, name number 683 + k, name 701 + k.
inline constexpr auto kRows = [] {
  std::array<PassengerRow, kRowCount> rows{};
  for (int row = 0; row < kRowCount; ++row) rows[row] = {662 + row, 684 + row, 702 + row};
  return rows;
}();

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_divide
