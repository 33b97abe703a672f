#include "masks/fit/MarketSettings.h"

#include "framework/MainSettings.h"
#include "framework/services/CTorvanProfile.h"
#include "masks/fit/InstallFolder.h"
#include "platform/text/TextRules.h"
#include "platform/xml/XmlDocument.h"

namespace fit {
namespace {

bool settingOn(const platform::XmlDocument& document, std::string_view path) {
  const std::optional<platform::XmlNode> node = document.selectSingleNode(path);
  return node && platform::trimWhiteSpace(node->text()) == "YES";
}

std::string encoderValue(std::string_view key) {
  CTorvanProfile profile;
  profile.setIniFile(framework::mainSettingsFile());
  profile.setSectionName("ENCODER");
  profile.setKeyName(key);
  std::string value;
  profile.getValue(value, "", 1001);
  return value;
}

}  // namespace

MarketSettings readMarketSettingsFile(std::string_view maskPath) {
  platform::XmlDocument document;
  if (!document.loadFile(maskPath)) return {};
  return {settingOn(document, "/marketconfig/CREATE_PNR/AUTO_CREATE_SO"),
          settingOn(document, "/marketconfig/CREATE_PNR/BILL_WITH_IND"),
          settingOn(document, "/marketconfig/CREATE_PNR/SEND_PHONE_ENTRY")};
}

MarketSettings readMarketSettings(const std::optional<std::string>& folder) {
  if (!folder || !namesFolder(*folder)) return {};
  return readMarketSettingsFile(installFile(*folder, "\\Marketconfig.xml"));
}

bool sendsPhoneEntry(const MarketSettings& settings, std::string_view firstCustomerNumber,
                     bool segmentListEmpty, bool backOfficePassport) {
  if (firstCustomerNumber.empty() || segmentListEmpty || !backOfficePassport) return true;
  return settings.sendPhoneEntry;
}

CodeList readCodeListFile(std::string_view maskPath) {
  CodeList list;
  if (maskPath.empty()) return list;
  platform::XmlDocument document;
  if (!document.loadFile(maskPath)) return list;
  for (const platform::XmlNode& entry : document.selectNodes("//Coder/T")) {
    list.push_back({std::string(platform::trimWhiteSpace(entry.childText("C"))),
                    std::string(platform::trimWhiteSpace(entry.childText("D")))});
  }
  return list;
}

CodeLists readCodeLists() {
  return {readCodeListFile(encoderValue("ENCODER_AIRLINE_ALLIANCE")),
          readCodeListFile(encoderValue("ENCODER_PSPT_DOCS_AIRLINE"))};
}

std::string codeOf(const CodeList& list, std::string_view description) {
  for (const CodeEntry& entry : list) {
    if (entry.description == description) return entry.code;
  }
  return {};
}

}  // namespace fit
