#pragma once
// The passenger part of the creation commands: the name items, the passenger-type ("PDT")
// items of travellers with PTC Others, the name-reference block and the contact block of the
// profile travellers. The individual creation mask walks its nine rows and then its added
// passengers; the group creation and add-passenger masks walk their added passengers only.

#include <optional>
#include <string>
#include <vector>

#include "masks/fit/AddPassengerList.h"
#include "masks/fit/ProfileRecord.h"

namespace fit {

// One passenger slot: a dialog row or an added passenger.
struct PassengerSlot {
  std::string surname;
  std::string givenName;
  std::string title;
  Ptc ptc = Ptc::Adult;
  std::string age;     // Child and Infant
  std::string others;  // Others: the PTC code
  // Set when the slot's traveller came from a back-office profile.
  bool profileMarker = false;
  std::string customerNumber;
  std::string dependantNumber;
  // The profile's contact data.
  std::string contactPhone;
  std::string contactFax;
  std::string contactSurname;
  std::string contactGivenName;
  std::string companyName;
};

// An added passenger as a slot.
PassengerSlot slotOf(const AddedPassenger& passenger);
// Added passengers as slots, in their order.
std::vector<PassengerSlot> slotsOf(const std::vector<AddedPassenger>& passengers);

// What the contact block needs besides the slots; without it no contact item is built.
struct ContactSettings {
  bool backOfficeContacts = false;  // "BackOfficeCTCB" is 1
  // The first profile traveller's phone and fax: the mask's business phone and fax number.
  std::string firstPhone;
  std::string firstFax;
};

struct PassengerStrings {
  // "-" + SURNAME + "/" + GIVEN + TITLE (infants "-I/" ...), "*C" or "*I" + AGE, "\u00A7"; one
  // item per slot with a surname.
  std::string names;
  // "PDT" + CODE + "-" + n + ".1" + "\u00A7" for slots with PTC Others.
  std::string pdt;
  // "50/NAMEREF," + the reference items, each ending "\u00A7" and those after the first
  // preceded by "5NAMEREF,"; empty when there is no reference item.
  std::string referenceBlock;
  // "9 CTCB TEL ...|9 CTCB company|" per principal profile traveller not covered by another.
  std::string contactBlock;
  // The customer number of the first profile traveller.
  std::string firstProfileCustomerNumber;
  // Running number ("%d", from 1) of each slot that takes part; 0 for the others.
  std::vector<int> nameNumbers;
};

PassengerStrings buildPassengerStrings(const std::vector<PassengerSlot>& slots,
                                       const std::optional<ContactSettings>& contacts);

// The add-passenger mask's command from its slots: the names, PDT and reference strings that
// are not empty, each without its final "\u00A7", joined by "|". Empty when the command would
// hold no real item (nothing but blanks, "\u00A7", "|", "/", "-" and ",").
std::string buildAddPassengerCommand(const std::vector<PassengerSlot>& slots);

}  // namespace fit
