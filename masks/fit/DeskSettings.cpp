#include "masks/fit/DeskSettings.h"

#include <climits>

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"

namespace fit {
namespace {

std::string userValue(std::string_view key) {
  CTorvanProfile profile;
  profile.setIniFile(framework::kWhiteboardFile);
  profile.setSectionName("USER");
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "", 1024);
  return value;
}

}  // namespace

std::string customerProfileSource() {
  return userValue("CustomerProfileSource");
}

std::optional<int> sourceSelection(std::string_view storedSource) {
  if (storedSource.empty()) return std::nullopt;
  return storedSource == "Ledgerwise" ? kSourceLedgerwise : kSourceDoss;
}

int addPassengerSource(std::string_view storedSource, bool backOffice) {
  if (storedSource == "DOSS") return kSourceDoss;
  if (storedSource == "Ledgerwise" && backOffice) return kSourceLedgerwise;
  return -1;
}

int switchValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

BackOfficeSwitches readBackOfficeSwitches() {
  return {userValue("BackOffice") == "1", switchValue(userValue("BackOfficeFFP")) == 1,
          switchValue(userValue("BackOfficePSPT")) == 1,
          switchValue(userValue("BackOfficeCTCB")) == 1};
}

std::string ctpText(std::string_view first, std::string_view second) {
  std::string text(first);
  if (!second.empty()) text += "-" + std::string(second);
  return text;
}

}  // namespace fit
