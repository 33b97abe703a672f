#include "masks/fit/FitCommandBuilder.h"

#include "masks/fit/CommandItems.h"
#include "platform/text/TextRules.h"

namespace fit {
namespace {

using framework::kChangeMark;
using framework::kEntrySeparator;

// The limits of the texts the command reads into 100-character buffers.
std::string upTo100(std::string_view text) {
  return std::string(text.substr(0, 100));
}

// A phone or a contact person of only blanks passed the checks as empty and adds nothing.
bool isBlank(std::string_view text) {
  return platform::trimBlanks(text).empty();
}

std::string phoneItem(const ProfilePhone& profile, std::string_view number) {
  return std::string(phonePrefix(profile.flag, profile.value)) + std::string(number);
}

// The traveller name of the personnel items: the profile traveller's, split at its first
// blank, or else the first row's names.
std::string personnelName(const FitCommandInput& input) {
  const std::string& name = input.profileTravellerName;
  if (!name.empty()) {
    const std::size_t blank = name.find(' ');
    if (blank == std::string::npos) return name + "/";
    return name.substr(0, blank) + "/" +
           std::string(platform::trimWhiteSpace(name.substr(blank + 1)));
  }
  const PassengerSlot first = input.slots.empty() ? PassengerSlot{} : input.slots.front();
  return upTo100(first.surname) + "/" + upTo100(first.givenName);
}

void addContactItems(const FitCommandInput& input, ItemJoiner& items) {
  items.clearFlag();
  if (!isBlank(input.businessPhone)) {
    items.addItem(phoneItem(input.businessProfilePhone, input.businessPhone));
    if (!isBlank(input.contactPerson)) items.append("/" + input.contactPerson);
    items.append("-B");
    if (!input.companyName.empty()) items.append("/" + input.companyName);
  }
  if (input.sendPhoneEntry) {
    const auto addPersonalPhone = [&](const ProfilePhone& profile, const std::string& number,
                                      std::string_view suffix) {
      if (isBlank(number)) return;
      items.addItem(phoneItem(profile, number));
      if (!input.profileSurname.empty()) {
        items.append("/" + input.profileSurname + " " + input.profileGivenName);
      }
      items.append(suffix);
    };
    addPersonalPhone(input.mobileProfilePhone, input.mobilePhone, "-C");
    addPersonalPhone(input.homeProfilePhone, input.homePhone, "-H");
  }
  std::string fax = input.faxFragment;
  if (!fax.empty() &&
      phonePrefix(input.faxProfilePhone.flag, input.faxProfilePhone.value) == "5 ") {
    fax.front() = '5';
  }
  items.addItem(fax);
}

void addPersonnelItems(const FitCommandInput& input, ItemJoiner& items) {
  const struct {
    const PersonnelNumber& number;
    std::string_view prefix;
  } named[] = {{input.department, "5DEP"},
               {input.icNumber, "5IC"},
               {input.employeeNumber, "5EMP"},
               {input.exitPermit, "5EP"}};
  for (const auto& [number, prefix] : named) {
    if (!number.checked) continue;
    items.addItem(std::string(prefix) + number.text + "-" + personnelName(input));
  }
  if (input.dependentIc.checked) items.addItem("5IC" + upTo100(input.dependentIc.text));
}

void addBillingItems(const FitCommandInput& input, std::string& command, ItemJoiner& items) {
  items.clearFlag();
  items.addItem(input.autoCreateFragment);
  const std::string sfCustId = upTo100(input.sfCustId);
  const std::string dkNumber = upTo100(input.dkNumber);
  if (sfCustId.empty() && dkNumber.empty()) return;
  const bool flagBefore = items.flag();
  const std::string_view separator = items.separate();
  if (!sfCustId.empty()) {
    command += (separator == kEntrySeparator ? "50/.BILL/" : "5.BILL/") + sfCustId;
    if (input.billWithIndicator && input.billToCompanyEnabled && sfCustId.size() > 6) {
      command += input.billToCompanyChecked ? "/COM" : "/PER";
    }
  }
  if (!dkNumber.empty()) {
    command += (sfCustId.empty() ? "" : std::string(kEntrySeparator)) + "DK" + dkNumber;
  }
  items.setFlag(flagBefore);
}

void addAddressItems(const FitCommandInput& input, std::string& command, ItemJoiner& items) {
  items.clearFlag();
  const auto addLines = [&command](const AddressBlock& block, std::string_view prefix) {
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
      if (block.lines[i].empty()) continue;
      if (i > 0) command += kEntrySeparator;
      command += std::string(prefix) + block.lines[i];
    }
  };
  if (input.delivery.checked) {
    command += kGroupOpener;
    items.setFlag(true);
    addLines(input.delivery, "5DL-");
  }
  if (input.billing.checked) {
    items.separate();
    addLines(input.billing, "5/");
  }
}

}  // namespace

std::string buildFitCommand(const FitCommandInput& input) {
  const PassengerStrings passengers = buildPassengerStrings(
      input.slots, ContactSettings{input.backOfficeContacts, input.businessPhone, input.faxNumber});

  std::string command(withoutFinalSeparator(passengers.names));
  ItemJoiner items(command);
  if (!input.copyFromDoss) items.addItem(input.agencyPhoneLine);
  items.addItem(input.ticketingTimeLimit);
  items.addItem(input.receivedFrom);

  addContactItems(input, items);
  for (const std::string* fragment : {&input.emailFragment, &input.remarksFragment,
                                      &input.identityDocumentFragment, &input.passportFragment}) {
    items.addItem(*fragment);
  }
  addPersonnelItems(input, items);
  if (input.backOffice) addBillingItems(input, command, items);
  const std::string ctp = input.ctp.empty() ? "" : "PGM." + upTo100(input.ctp);
  addAddressItems(input, command, items);

  if (input.copyFromDoss) {
    command += std::string(kGroupOpener) + "N*" + std::string(kChangeMark) +
               std::string(kEntrySeparator) + "NM";
  } else if (input.agencyAddressLine.find("W-") != std::string::npos) {
    command += std::string(kGroupOpener) + input.agencyAddressLine;
  }
  for (const std::string* block : {&passengers.pdt, &passengers.referenceBlock}) {
    if (block->empty()) continue;
    command += kGroupOpener;
    command += withoutFinalSeparator(*block);
  }
  if (!ctp.empty()) command += std::string(kGroupOpener) + ctp;
  if (command.empty()) return command;
  command += kGroupOpener;
  command += passengers.contactBlock;
  if (input.backOfficeFrequentFlyer) command += input.frequentFlyerItems;
  if (input.backOfficePassport) command += input.travelDocumentItems;
  command += "*A";
  return command;
}

}  // namespace fit
