#include "platform/com/OutsideControls.h"

#include <map>
#include <string>

namespace platform {
namespace {

std::map<std::string, OutsideControlMaker, std::less<>>& makers() {
  static std::map<std::string, OutsideControlMaker, std::less<>> registered;
  return registered;
}

}  // namespace

void registerOutsideControl(std::string_view className, OutsideControlMaker maker) {
  if (!maker) {
    if (auto found = makers().find(className); found != makers().end()) makers().erase(found);
    return;
  }
  makers().insert_or_assign(std::string(className), std::move(maker));
}

ComPtr<IDispatch> createOutsideControl(std::string_view className) {
  const auto found = makers().find(className);
  if (found == makers().end()) return {};
  return found->second();
}

}  // namespace platform
