#include "masks/passenger/PassengerReply.h"

#include <array>

#include "platform/text/TextRules.h"
#include "platform/xml/XmlDocument.h"

namespace masks {
namespace {

constexpr std::string_view kPassengerNode = "//VELANO//N_AIRAALSAD0PNR0//N_PAX000";
constexpr std::array<std::string_view, 7> kTitles = {"MR",   "MRS", "MS",  "MISS",
                                                     "MSTR", "DR",  "PROF"};

std::string_view withoutLeadingZeros(std::string_view text) {
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         platform::equalIgnoringCase(text.substr(text.size() - end.size()), end);
}

std::string limited(std::string_view text) {
  return platform::limitToBuffer(text, kPassengerTextLimit + 1);
}

}  // namespace

std::string normaliseNameNumber(std::string_view text) {
  const std::string_view number = withoutLeadingZeros(platform::trimWhiteSpace(text));
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos) return std::string(number);
  return std::string(number.substr(0, point)) + "." +
         std::string(withoutLeadingZeros(number.substr(point + 1)));
}

GivenNameAndTitle splitTitle(std::string_view text) {
  std::string name;
  for (char c : text.substr(0, text.find_last_not_of(" \t\r\n\v\f") + 1)) {
    if (c != ' ') name += c;
  }
  if (name.size() < 2) return {name, ""};
  for (std::string_view title : kTitles) {
    if (!endsWithIgnoringCase(name, title)) continue;
    const std::size_t cut = name.size() - title.size();
    return {name.substr(0, cut), name.substr(cut)};
  }
  return {name, ""};
}

std::vector<PassengerRecord> parsePassengerReply(std::string_view reply) {
  platform::XmlDocument document;
  if (!document.loadText(reply)) return {};
  const std::optional<platform::XmlNode> list = document.selectSingleNode(kPassengerNode);
  if (!list) return {};
  std::vector<PassengerRecord> records;
  const std::vector<platform::XmlNode> children = list->selectNodes("*");
  for (std::size_t index = 0; index < children.size(); ++index) {
    const platform::XmlNode& child = children[index];
    if (index == 0 && child.selectSingleNode("N_00SG") && child.childText("N_00SG") == "C") {
      continue;
    }
    PassengerRecord record;
    record.nameNumber = limited(normaliseNameNumber(child.childText("N_00TF")));
    std::string surname = child.childText("N_000N");
    std::erase(surname, ' ');
    record.surname = limited(surname);
    GivenNameAndTitle name = splitTitle(child.childText("N_000O"));
    record.givenName = limited(name.givenName);
    record.title = limited(name.title);
    record.freeText = limited(child.childText("N_00SI"));
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace masks
