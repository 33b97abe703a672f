#pragma once
// What the individual and the group creation dialogs share: the ticketing row, and the block of
// received-from, "Copy from DOSS" and agency controls below it, with the same ids in both.
// Each dialog places them with its own left edge and rows.

#include <array>

#include "resources/DialogParts.h"

namespace resources::creation {

// The ticketing row: its type list, then the date or ticket number, the queue and the
// segment edits with their labels, which the field arranges for the chosen type.
struct TtlIds {
  int label, type, dateLabel, date, queueLabel, queue, segmentLabel, segment, ticketLabel;
};
inline constexpr TtlIds kTtl{250, 211, 252, 215, 254, 219, 270, 236, 614};
// The ticketing row's left end, in the dialog's client pixels.
inline constexpr int kTtlRowOrigin = 10;

inline constexpr int kReceivedFromLabel = 256;
inline constexpr int kReceivedFrom = 409;
inline constexpr int kCopyFromDoss = 841;

struct AgencyIds {
  int nameLabel, name, telephoneLabel, telephone, agentLabel, agent, addressLabel;
  std::array<int, 6> lines;
};
inline constexpr AgencyIds kAgency{262, 413, 265, 415,
                                   259, 411, 268, {417, 419, 421, 553, 555, 840}};

// Where a dialog puts the ticketing row: the labels' left edge, the type's line (the other
// controls go on the line below it), and the type list's style and width. The type's label
// holds "Ticketing Time Limit:" on one line; the list follows it.
struct TicketingRowPlace {
  int labelX;
  int y;
  DWORD typeStyle;
  int typeWidth;
};
inline constexpr int kTtlLabelWidth = 86;

// The controls of a row to be arranged sit on the second line; their left edges and widths
// are the field's. The ticket label comes right before the first edit, so that it names the
// edit whenever it shows instead of the date's link.
constexpr std::array<ControlTemplate, 9> ticketingRow(const TicketingRowPlace& place) {
  const int fieldsY = place.y + 16;
  return {{
      labelAt(kTtl.label, "Ticketing:", place.labelX, place.y, kTtlLabelWidth),
      comboAt(kTtl.type, place.typeStyle, place.labelX + kTtlLabelWidth + 2, place.y,
              place.typeWidth),
      labelAt(kTtl.dateLabel, "Date:", 40, fieldsY, 50),
      labelAt(kTtl.ticketLabel, "Ticket #", 40, fieldsY, 50),
      editAt(kTtl.date, 172, fieldsY, 40),
      labelAt(kTtl.queueLabel, "Queue #:", 220, fieldsY, 34),
      editAt(kTtl.queue, 256, fieldsY, 30),
      labelAt(kTtl.segmentLabel, "Seg #:", 294, fieldsY, 26),
      editAt(kTtl.segment, 322, fieldsY, 50),
  }};
}

// Received from at y, "Copy from DOSS" below it, then the agency's name, telephone, agent and
// the six address lines, the labels at labelX and the edits at 72. A dialog that offers five
// address lines keeps the sixth hidden.
constexpr std::array<ControlTemplate, 16> receivedFromAndAgency(int labelX, int y,
                                                                int shownAddressLines = 6) {
  std::array<ControlTemplate, 16> controls{{
      labelAt(kReceivedFromLabel, "Received From:", labelX, y),
      editAt(kReceivedFrom, 72, y, 150),
      compactCheckBoxAt(kCopyFromDoss, "Copy from DOSS", labelX, y + 18, 90),
      labelAt(kAgency.nameLabel, "Agency Name:", labelX, y + 32),
      editAt(kAgency.name, 72, y + 32, 220),
      labelAt(kAgency.telephoneLabel, "Agency Tel:", labelX, y + 48),
      editAt(kAgency.telephone, 72, y + 48, 120),
      labelAt(kAgency.agentLabel, "Agent Name:", labelX, y + 64),
      editAt(kAgency.agent, 72, y + 64, 120),
      labelAt(kAgency.addressLabel, "Address:", labelX, y + 80),
  }};
  for (std::size_t line = 0; line < kAgency.lines.size(); ++line) {
    ControlTemplate& edit = controls[10 + line];
    edit = editAt(kAgency.lines[line], 72, y + 80 + static_cast<int>(line) * 14, 220);
    if (static_cast<int>(line) >= shownAddressLines) edit.style &= ~platform::WS_VISIBLE;
  }
  return controls;
}

}  // namespace resources::creation
