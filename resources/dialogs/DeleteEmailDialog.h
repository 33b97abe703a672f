#pragma once
// The delete e-mail mask: one line, a range of lines, or up to ten separate lines.

#include <array>

#include "resources/DialogParts.h"

namespace resources::pnr_delete_email {

inline constexpr int kDialogId = 172;
inline constexpr int kSpecificMode = 180;
inline constexpr int kRangeMode = 182;
inline constexpr int kMultipleMode = 184;
inline constexpr int kSpecificLine = 186;
inline constexpr int kRangeFirst = 188;
inline constexpr int kRangeToLabel = 190;
inline constexpr int kRangeLast = 192;
inline constexpr std::array<int, 10> kMultipleLines{194, 196, 198, 200, 202,
                                                    204, 206, 208, 210, 212};
inline constexpr ButtonIds kButtons{214, 216, 218, 220, 222};

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_delete_email
