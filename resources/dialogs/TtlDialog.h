#pragma once
// The ticketing time limit modification mask. The second row is laid out again in pixels for
// each type; its template positions are those of the time-limit type.

#include "resources/DialogParts.h"

namespace resources::pnr_modification_ttl {

inline constexpr int kDialogId = 166;
inline constexpr int kTypeLabel = 250;
inline constexpr int kType = 211;
inline constexpr int kDateLabel = 252;
inline constexpr int kDate = 215;
inline constexpr int kQueueLabel = 254;
inline constexpr int kQueue = 219;
inline constexpr int kSegmentLabel = 270;
inline constexpr int kSegment = 236;
inline constexpr int kTicketLabel = 614;
// The row's left end, in the dialog's client pixels.
inline constexpr int kRowOrigin = 10;

extern const platform::DialogTemplate kDialog;

}  // namespace resources::pnr_modification_ttl
