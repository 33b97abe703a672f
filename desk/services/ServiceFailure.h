#pragma once
// The framework services never throw to the masks: a failure is written to the desk's log and
// the caller goes on with the default.

#include <exception>
#include <string_view>

namespace desk {

void reportFailure(std::string_view module, std::string_view operation, int code,
                   std::string_view text);
// The code is the system error number when the failure carries one.
void reportFailure(std::string_view module, std::string_view operation,
                   const std::exception& failure);

}  // namespace desk
