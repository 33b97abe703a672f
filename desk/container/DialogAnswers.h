#pragma once
// What the answer of each kind of dialog must hold, checked before the answer reaches a mask,
// for every container alike. An answer that is not a cancel is a list of words (UTF-8):
//
//   calendar  DAY MONTH YEAR     decimal numbers (at most 2, 2 and 4 digits) of a day the
//                                calendar shows
//   coder     CODE DESCRIPTION   a code that is not empty, any description
//   addpax    MARKERS LISTTEXT   nine profile markers 0 or 1, and a list of at most nine
//                                passengers (the most the add-passenger control holds)
//   policy    VALUE1 VALUE2      any texts
//   doss      SURNAME GIVENNAME  any texts
//   ffp       INDEX              a card's index, at most three decimal digits
//
// The masks read the numbers as decimal digits: a number in another form would be checked as
// one value and read as another, so it is refused.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/container/DialogKind.h"

namespace desk {

// The words of the kind's answer, as above: "DAY MONTH YEAR", "CODE DESCRIPTION", ...
std::string_view answerForm(DialogKind kind);

// What is wrong with the words of an answer of this kind, as a message for whoever gave them;
// nothing when they fit.
std::optional<std::string> answerFault(DialogKind kind, const std::vector<std::string>& words);

}  // namespace desk
