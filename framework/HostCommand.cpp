#include "framework/HostCommand.h"

namespace framework {

std::string hostEmailAddress(std::string_view address) {
  std::string result;
  result.reserve(address.size());
  for (char c : address) {
    if (c == '_') {
      result += "==";
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace framework
