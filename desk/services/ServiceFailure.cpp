#include "desk/services/ServiceFailure.h"

#include <system_error>

#include "framework/services/CTorvanLog.h"

namespace desk {

void reportFailure(std::string_view module, std::string_view operation, int code,
                   std::string_view text) {
  CTorvanLog().error(module, operation, code, "%.*s", static_cast<int>(text.size()), text.data());
}

void reportFailure(std::string_view module, std::string_view operation,
                   const std::exception& failure) {
  const auto* systemError = dynamic_cast<const std::system_error*>(&failure);
  reportFailure(module, operation, systemError ? systemError->code().value() : -1, failure.what());
}

}  // namespace desk
