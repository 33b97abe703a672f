#pragma once
// The frequent-flyer dialog that lets the agent pick the card to write for a traveller with
// several: its texts and card list are built, and its answer read, here alone.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/TorvanMaskT.h"
#include "masks/fit/TravelDocumentItems.h"
#include "platform/window/Window.h"

namespace fit {

// The dialog for the traveller: the title, the traveller's name in double quotes after the
// first line's text, and one entry per card ("SQ 8812345", item data its index), the first
// selected.
std::unique_ptr<platform::Window> buildCardDialog(const framework::TorvanMaskBase& mask,
                                                  const DocumentTraveller& traveller,
                                                  const std::vector<EligibleCard>& cards);

// The card an answer names: its index in decimal digits alone, below count; nothing for an
// empty answer, any other character or an index past the cards.
std::optional<std::size_t> chosenCard(std::string_view answer, std::size_t count);

// Shows the dialog and reads the agent's answer: the chosen card, or nothing when the agent
// cancels.
std::optional<std::size_t> chooseCard(const framework::TorvanMaskBase& mask,
                                      const DocumentTraveller& traveller,
                                      const std::vector<EligibleCard>& cards);

}  // namespace fit
