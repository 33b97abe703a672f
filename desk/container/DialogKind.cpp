#include "desk/container/DialogKind.h"

#include <algorithm>
#include <utility>

namespace desk {
namespace {

constexpr std::array<std::pair<DialogKind, std::string_view>, kDialogKinds.size()> kNames{{
    {DialogKind::Calendar, "calendar"},
    {DialogKind::Coder, "coder"},
    {DialogKind::AddPassenger, "addpax"},
    {DialogKind::TravelPolicy, "policy"},
    {DialogKind::TravellerProfile, "doss"},
    {DialogKind::FrequentFlyer, "ffp"},
}};

}  // namespace

std::string_view dialogKindName(DialogKind kind) {
  const auto found =
      std::ranges::find(kNames, kind, &std::pair<DialogKind, std::string_view>::first);
  return found != kNames.end() ? found->second : std::string_view();
}

std::optional<DialogKind> dialogKindNamed(std::string_view name) {
  const auto found =
      std::ranges::find(kNames, name, &std::pair<DialogKind, std::string_view>::second);
  if (found == kNames.end()) return std::nullopt;
  return found->first;
}

}  // namespace desk
