#pragma once
// What a mask asks its container to show and wait for, and the answers, as front ends see
// them: texts in UTF-8.

#include <string>
#include <vector>

#include "platform/com/ComTypes.h"

namespace desk {

// A message box: its text, its caption and its style bits (MB_ICONHAND, ...).
struct MessageBoxRequest {
  std::string text;
  std::string caption;
  UINT style = 0;
};

// The answer of a modal dialog; the words each kind answers with are in DialogAnswers.h.
struct ModalAnswer {
  bool cancelled = false;
  std::vector<std::string> words;  // the answer's words when not cancelled
};

}  // namespace desk
