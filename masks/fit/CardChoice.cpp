#include "masks/fit/CardChoice.h"

#include <cstdint>

#include "platform/window/Desktop.h"
#include "platform/window/DialogTemplate.h"
#include "resources/dialogs/FfpDialog.h"

namespace fit {

namespace ffp = resources::ffp_dialog;
using platform::Window;

std::unique_ptr<Window> buildCardDialog(const framework::TorvanMaskBase& mask,
                                        const DocumentTraveller& traveller,
                                        const std::vector<EligibleCard>& cards) {
  std::unique_ptr<Window> choice = platform::buildDialog(ffp::kDialog, nullptr);
  std::string text;
  if (mask.GetLangText("LAB_FFP_DIALOG_TITLE", text)) choice->setText(text);
  mask.GetLangText("LAB_FFP_MSG1", text);
  choice->child(ffp::kFirstLine)
      ->setText(text + " \"" + traveller.profile[ProfileField::PassengerName] + "\"");
  mask.GetLangText("LAB_FFP_MSG2", text);
  choice->child(ffp::kSecondLine)->setText(text);
  Window& list = *choice->child(ffp::kCards);
  for (std::size_t index = 0; index < cards.size(); ++index) {
    list.addEntry(cards[index].card.airline + " " + cards[index].card.number,
                  static_cast<std::intptr_t>(index));
  }
  list.setCurrentEntry(0);
  return choice;
}

std::optional<std::size_t> chosenCard(std::string_view answer, std::size_t count) {
  if (answer.empty()) return std::nullopt;
  std::size_t index = 0;
  for (const char c : answer) {
    if (c < '0' || c > '9') return std::nullopt;
    index = index * 10 + static_cast<std::size_t>(c - '0');
    if (index >= count) return std::nullopt;
  }
  return index;
}

std::optional<std::size_t> chooseCard(const framework::TorvanMaskBase& mask,
                                      const DocumentTraveller& traveller,
                                      const std::vector<EligibleCard>& cards) {
  const std::unique_ptr<Window> choice = buildCardDialog(mask, traveller, cards);
  const auto answer = platform::modalDialog("ffp", choice.get());
  if (!answer || answer->empty()) return std::nullopt;
  return chosenCard((*answer)[0], cards.size());
}

}  // namespace fit
