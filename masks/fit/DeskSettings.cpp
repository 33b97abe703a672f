#include "masks/fit/DeskSettings.h"

#include <climits>

#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"

namespace fit {
namespace {

constexpr std::string_view kUserSection = "USER";
constexpr std::size_t kValueBuffer = 1024;

// The value under the key of the profile's section, empty when none is stored.
std::string userValue(CTorvanProfile& profile, std::string_view key) {
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "", kValueBuffer);
  return value;
}

}  // namespace

std::string customerProfileSource() {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, kUserSection);
  return userValue(profile, "CustomerProfileSource");
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

int currentAddPassengerSource() {
  return addPassengerSource(customerProfileSource(), readBackOfficeSwitches().backOffice);
}

// The four switches from one reading of the whiteboard.
BackOfficeSwitches readBackOfficeSwitches() {
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, kUserSection);
  CTorvanProfile::Batch snapshot(profile);
  return {userValue(profile, "BackOffice") == "1",
          switchValue(userValue(profile, "BackOfficeFFP")) == 1,
          switchValue(userValue(profile, "BackOfficePSPT")) == 1,
          switchValue(userValue(profile, "BackOfficeCTCB")) == 1};
}

std::string ctpText(std::string_view first, std::string_view second) {
  std::string text(first);
  if (!second.empty()) text += "-" + std::string(second);
  return text;
}

}  // namespace fit
