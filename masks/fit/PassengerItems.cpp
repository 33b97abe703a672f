#include "masks/fit/PassengerItems.h"

#include <charconv>
#include <cstdio>

#include "masks/fit/CommandItems.h"

namespace fit {
namespace {

using framework::kEntrySeparator;
using F = ProfileField;

std::string nameItem(const PassengerSlot& slot) {
  std::string item = "-";
  if (slot.ptc == Ptc::Infant) item += "I/";
  item += slot.surname + "/" + slot.givenName + slot.title;
  if (slot.ptc == Ptc::Child) item += "*C" + slot.age;
  if (slot.ptc == Ptc::Infant) item += "*I" + slot.age;
  item += kEntrySeparator;
  return item;
}

// A dependant number as three digits after the principal's number ("2" gives "002"); a text
// that is no number is written as it is rather than as zeros.
std::string threeDigits(const std::string& number) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return number;
  char text[16];
  std::snprintf(text, sizeof text, "%03u", value);
  return text;
}

bool sameContact(const PassengerSlot& a, const PassengerSlot& b) {
  return a.contactPhone == b.contactPhone && a.contactFax == b.contactFax &&
         a.contactSurname == b.contactSurname && a.contactGivenName == b.contactGivenName &&
         a.companyName == b.companyName;
}

void addReferenceAndContacts(const std::vector<const PassengerSlot*>& travellers,
                             const std::optional<ContactSettings>& contacts,
                             PassengerStrings& strings) {
  // A traveller is covered by an earlier uncovered one with the same contact data.
  std::vector<bool> covered(travellers.size(), false);
  for (std::size_t i = 0; i < travellers.size(); ++i) {
    for (std::size_t earlier = 0; earlier < i && !covered[i]; ++earlier) {
      covered[i] = !covered[earlier] && sameContact(*travellers[earlier], *travellers[i]);
    }
  }

  const bool single = travellers.size() == 1;
  std::string principal;
  std::string references;
  for (std::size_t i = 0; i < travellers.size(); ++i) {
    const PassengerSlot& traveller = *travellers[i];
    if (traveller.customerNumber.empty() && traveller.dependantNumber.empty()) continue;
    const bool isPrincipal =
        single || (!traveller.customerNumber.empty() && traveller.dependantNumber.empty());
    std::string reference;
    if (isPrincipal) {
      reference = traveller.customerNumber;
      principal = reference;
    } else {
      reference = principal + threeDigits(traveller.dependantNumber);
    }

    if (contacts && contacts->backOfficeContacts && !covered[i] && isPrincipal) {
      const std::string& phone = i == 0 ? contacts->firstPhone : traveller.contactPhone;
      const std::string& fax = i == 0 ? contacts->firstFax : traveller.contactFax;
      strings.contactBlock += "9 CTCB TEL " + phone + "/FAX " + fax + "/" +
                              traveller.contactSurname + " " + traveller.contactGivenName + "|";
      strings.contactBlock += "9 CTCB " + traveller.companyName + "|";
    }

    if (!references.empty()) references += "5NAMEREF,";
    references += traveller.surname + "/" + traveller.givenName + traveller.title + "-" +
                  reference + std::string(kEntrySeparator);
  }
  if (!references.empty()) strings.referenceBlock = "50/NAMEREF," + references;
}

// Whether the command holds anything besides blanks, "\u00A7", "|", "/", "-" and ",".
bool holdsRealItem(std::string_view command) {
  for (std::size_t i = 0; i < command.size();) {
    if (command.substr(i).starts_with(kEntrySeparator)) {
      i += kEntrySeparator.size();
      continue;
    }
    const char c = command[i++];
    if (c != ' ' && c != '|' && c != '/' && c != '-' && c != ',') return true;
  }
  return false;
}

}  // namespace

PassengerSlot slotOf(const AddedPassenger& passenger) {
  PassengerSlot slot;
  slot.surname = passenger.surname;
  slot.givenName = passenger.givenName;
  slot.title = passenger.title;
  slot.ptc = passenger.ptc;
  slot.age = passenger.age;
  slot.others = passenger.others;
  slot.profileMarker = passenger.profileMarker;
  slot.customerNumber = passenger.customerNumber;
  slot.dependantNumber = passenger.dependantNumber;
  slot.contactPhone = passenger.profile[F::ContactPhone];
  slot.contactFax = passenger.profile[F::ContactFax];
  slot.contactSurname = passenger.profile[F::ContactSurname];
  slot.contactGivenName = passenger.profile[F::ContactGivenName];
  slot.companyName = passenger.profile[F::CompanyName];
  return slot;
}

std::vector<PassengerSlot> slotsOf(const std::vector<AddedPassenger>& passengers) {
  std::vector<PassengerSlot> slots;
  slots.reserve(passengers.size());
  for (const AddedPassenger& passenger : passengers) slots.push_back(slotOf(passenger));
  return slots;
}

PassengerStrings buildPassengerStrings(const std::vector<PassengerSlot>& slots,
                                       const std::optional<ContactSettings>& contacts) {
  PassengerStrings strings;
  strings.nameNumbers.assign(slots.size(), 0);
  std::vector<const PassengerSlot*> profileTravellers;
  int running = 0;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const PassengerSlot& slot = slots[i];
    if (slot.surname.empty()) continue;
    strings.nameNumbers[i] = ++running;
    strings.names += nameItem(slot);
    if (slot.ptc == Ptc::Others) {
      strings.pdt +=
          "PDT" + slot.others + "-" + std::to_string(running) + ".1" + std::string(kEntrySeparator);
    }
    if (slot.profileMarker) profileTravellers.push_back(&slot);
  }
  if (!profileTravellers.empty()) {
    strings.firstProfileCustomerNumber = profileTravellers.front()->customerNumber;
  }
  addReferenceAndContacts(profileTravellers, contacts, strings);
  return strings;
}

std::string buildAddPassengerCommand(const std::vector<PassengerSlot>& slots) {
  const PassengerStrings strings = buildPassengerStrings(slots, std::nullopt);
  std::string command;
  for (const std::string* part : {&strings.names, &strings.pdt, &strings.referenceBlock}) {
    if (part->empty()) continue;
    if (!command.empty()) command += kGroupOpener;
    command += withoutFinalSeparator(*part);
  }
  return holdsRealItem(command) ? command : std::string();
}

}  // namespace fit
