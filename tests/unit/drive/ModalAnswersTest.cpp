// An "answer" line as a script writes it: the words it gives the dialog, taken in order, or
// the error that stops the script at that line.

#include "desk/drive/ModalAnswers.h"

#include <gtest/gtest.h>

#include "desk/drive/ScriptLine.h"

namespace desk {
namespace {

TEST(ModalAnswers, AnAnswerLineGivesTheWordsOfItsKind) {
  struct Case {
    const char* kind;
    const char* arguments;
    std::optional<std::vector<std::string>> words;  // nothing: a ScriptError
  };
  using Words = std::vector<std::string>;
  const Case cases[] = {
      {"calendar", "5 3 2026", Words{"5", "3", "2026"}},
      {"calendar", "0x5 3 2026", std::nullopt},
      {"coder", "SQ Singapore  Airlines ", Words{"SQ", "Singapore  Airlines "}},
      {"coder", "SIN", Words{"SIN", ""}},
      {"coder", "", std::nullopt},
      {"addpax", "ok 100000000 SMITH,JOHN MR,0", Words{"100000000", "SMITH,JOHN MR,0"}},
      {"addpax", "ok 000000000", Words{"000000000", ""}},
      {"addpax", "100000000 SMITH", std::nullopt},
      {"addpax", "okay 100000000 SMITH", std::nullopt},
      {"addpax", "ok 000000000 A=B=C=D=E=F=G=H=I=J", std::nullopt},
      {"policy", "ok CORP1 GOLD", Words{"CORP1", "GOLD"}},
      {"policy", "CORP1 GOLD", std::nullopt},
      {"doss", "ok TAN", std::nullopt},
      {"ffp", "2", Words{"2"}},
      {"ffp", "-1", std::nullopt},
      {"msgbox", "ok", std::nullopt},
  };
  for (const Case& test : cases) {
    ModalAnswers answers;
    try {
      answers.queue(test.kind, test.arguments);
    } catch (const ScriptError& error) {
      EXPECT_EQ(test.words, std::nullopt)
          << test.kind << " " << test.arguments << ": " << error.what();
      continue;
    }
    ASSERT_TRUE(test.words) << test.kind << " " << test.arguments;
    const std::optional<ModalAnswer> taken = answers.take(*dialogKindNamed(test.kind));
    ASSERT_TRUE(taken);
    EXPECT_FALSE(taken->cancelled);
    EXPECT_EQ(taken->words, *test.words) << test.kind << " " << test.arguments;
  }
}

TEST(ModalAnswers, EachKindKeepsItsOwnAnswersInOrder) {
  ModalAnswers answers;
  answers.queue("coder", "A first");
  answers.queue("calendar", "cancel");
  answers.queue("coder", "B second");
  EXPECT_EQ(answers.take(DialogKind::FrequentFlyer), std::nullopt);
  EXPECT_TRUE(answers.answerModalDialog(DialogKind::Calendar)->cancelled);
  EXPECT_EQ(answers.take(DialogKind::Coder)->words, (std::vector<std::string>{"A", "first"}));
  EXPECT_EQ(answers.take(DialogKind::Coder)->words, (std::vector<std::string>{"B", "second"}));
  EXPECT_EQ(answers.take(DialogKind::Coder), std::nullopt);
}

}  // namespace
}  // namespace desk
