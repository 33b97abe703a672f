#pragma once
// The constants a mask class fixes: its name, dialog, buttons, whiteboard section and the
// caption of its message boxes.

#include <string_view>

#include "platform/window/DialogTemplate.h"
#include "resources/DialogParts.h"

namespace framework {

inline constexpr std::string_view kCreationCaption = "PNR Creation Information";
inline constexpr std::string_view kModificationCaption = "PNR Modification Information";
inline constexpr std::string_view kRetrievalCaption = "PNR Retrieval Information";

using resources::ButtonIds;
using resources::kMarkerStyleButtons;

// When a Send saves the mask's state, and whether it guards it with the marker.
enum class SendStyle { Marker, Logged };

struct MaskTraits {
  std::string_view name;                   // the coclass name, first word of every diagnostic line
  const platform::DialogTemplate& dialog;  // the mask's dialog template
  ButtonIds buttons;
  std::string_view section;  // the mask's whiteboard section
  std::string_view caption;  // the caption of the mask's message boxes
  SendStyle style = SendStyle::Marker;
};

}  // namespace framework
