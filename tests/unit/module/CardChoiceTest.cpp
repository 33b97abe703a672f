// The frequent-flyer card dialog of the individual creation mask: what it shows and how its
// answer names a card.

#include "masks/fit/CardChoice.h"

#include <gtest/gtest.h>

#include "resources/dialogs/FfpDialog.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

namespace ffp = resources::ffp_dialog;

class CardChoiceTest : public FieldTest {};

TEST_F(CardChoiceTest, DialogNamesTheTravellerAndListsTheCards) {
  const framework::TorvanMaskBase mask("PNRCreationFIT");
  fit::DocumentTraveller traveller;
  traveller.profile[fit::ProfileField::PassengerName] = "SMITH JOHN";
  const std::vector<fit::EligibleCard> cards{{{"SQ", "8812345"}, "SQ", ""},
                                             {{"UA", "1234"}, "SQ", ""}};
  const std::unique_ptr<platform::Window> choice = fit::buildCardDialog(mask, traveller, cards);
  EXPECT_EQ(choice->text(), "LAB_FFP_DIALOG_TITLE");
  EXPECT_EQ(choice->child(ffp::kFirstLine)->text(), "LAB_FFP_MSG1 \"SMITH JOHN\"");
  EXPECT_EQ(choice->child(ffp::kSecondLine)->text(), "LAB_FFP_MSG2");
  const platform::Window& list = *choice->child(ffp::kCards);
  ASSERT_EQ(list.entryCount(), 2);
  EXPECT_EQ(list.entry(0)->text, "SQ 8812345");
  EXPECT_EQ(list.entry(1)->text, "UA 1234");
  EXPECT_EQ(list.entry(1)->data, 1);
  EXPECT_EQ(list.currentEntry(), 0);
}

TEST(CardAnswerTest, OnlyAnIndexOfTheCardsNamesOne) {
  struct Case {
    std::string_view answer;
    std::optional<std::size_t> card;
  };
  for (const Case& each :
       {Case{"0", 0}, Case{"2", 2}, Case{"002", 2}, Case{"3", std::nullopt}, Case{"", std::nullopt},
        Case{"-1", std::nullopt}, Case{" 1", std::nullopt}, Case{"1a", std::nullopt},
        Case{"99999999999999999999999", std::nullopt}}) {
    EXPECT_EQ(fit::chosenCard(each.answer, 3), each.card) << '"' << each.answer << '"';
  }
  EXPECT_EQ(fit::chosenCard("0", 0), std::nullopt) << "no cards, no choice";
}

}  // namespace
}  // namespace module::test
