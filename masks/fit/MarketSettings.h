#pragma once
// The market settings of the individual creation mask ("Marketconfig.xml" in the install
// folder) and the two code lists it reads on every Send (named in the "ENCODER" section of the
// main settings file). Files that cannot be loaded, and missing elements, give empty lists and
// settings that are off, without a message.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fit {

struct MarketSettings {
  bool autoCreateSalesFolder = false;  // "/marketconfig/CREATE_PNR/AUTO_CREATE_SO"
  bool billWithIndicator = false;      // "/marketconfig/CREATE_PNR/BILL_WITH_IND"
  bool sendPhoneEntry = false;         // "/marketconfig/CREATE_PNR/SEND_PHONE_ENTRY"
  bool operator==(const MarketSettings&) const = default;
};

// A setting is on exactly when its element's text, trimmed, is "YES".
MarketSettings readMarketSettingsFile(std::string_view maskPath);
// The settings of the install folder's "Marketconfig.xml"; all off without an install folder.
MarketSettings readMarketSettings(const std::optional<std::string>& installFolder);

// Whether the mobile and home phone items are sent: on without asking the file when the first
// row's profile customer number is empty, when the segment list is empty, or when the back
// office's passport switch ("BackOfficePSPT") is off.
bool sendsPhoneEntry(const MarketSettings& settings, std::string_view firstCustomerNumber,
                     bool segmentListEmpty, bool backOfficePassport);

// One entry "//Coder/T" of a code-list file: the texts of its children "C" and "D", trimmed.
struct CodeEntry {
  std::string code;         // "C"
  std::string description;  // "D"
  bool operator==(const CodeEntry&) const = default;
};
using CodeList = std::vector<CodeEntry>;

CodeList readCodeListFile(std::string_view maskPath);

struct CodeLists {
  // "C" the alliance, "D" an airline of it.
  CodeList airlineAlliances;
  // "C" the travel document kind ("DOCS", "PSPT" or another text), "D" the airline.
  CodeList passportAirlines;
};

// The lists named by "ENCODER_AIRLINE_ALLIANCE" and "ENCODER_PSPT_DOCS_AIRLINE" (each value at
// most 1000 characters) of the main settings file.
CodeLists readCodeLists();

// The "C" of the first entry whose "D" is description; empty when there is none.
std::string codeOf(const CodeList& list, std::string_view description);

}  // namespace fit
