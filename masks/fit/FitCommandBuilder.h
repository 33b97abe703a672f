#pragma once
// The host command of the individual PNR creation mask, built from plain data: the texts of
// the controls, the fragments of the reusable fields, the customer-profile strings and the
// settings in force. The mask gathers the input after the host's reply to "%%JX AIT" and fires
// the result as it is (also when it is empty).

#include <array>
#include <string>
#include <vector>

#include "masks/fit/PassengerItems.h"

namespace fit {

// A profile phone's flag and value strings ("True", "False" or empty).
struct ProfilePhone {
  std::string flag;
  std::string value;
};

// A personnel number: its check box and its edit's text.
struct PersonnelNumber {
  bool checked = false;
  std::string text;
};

struct AddressBlock {
  bool checked = false;
  std::array<std::string, 5> lines;
};

struct FitCommandInput {
  // The nine rows, then the added passengers.
  std::vector<PassengerSlot> slots;

  bool copyFromDoss = false;      // box 841
  std::string agencyPhoneLine;    // the agency field's phone line fragment
  std::string agencyAddressLine;  // the agency field's address line fragment
  // The ticketing-time-limit and received-from fragments, built without the change mark: a
  // creation adds new elements.
  std::string ticketingTimeLimit;
  std::string receivedFrom;

  std::string businessPhone;  // 278
  std::string contactPerson;  // 475
  std::string mobilePhone;    // 300
  std::string homePhone;      // 302
  std::string faxFragment;    // the fax field's fragment ("9 ...-F")
  std::string faxNumber;      // the fax field's number, for the contact block
  bool sendPhoneEntry = false;

  // The customer-profile strings.
  std::string companyName;
  std::string profileTravellerName;  // "SURNAME GIVENNAME"
  std::string profileSurname;
  std::string profileGivenName;
  ProfilePhone businessProfilePhone, mobileProfilePhone, homeProfilePhone, faxProfilePhone;

  std::string emailFragment;
  std::string remarksFragment;
  std::string identityDocumentFragment;
  std::string passportFragment;  // the SSR passport field's

  PersonnelNumber department, icNumber, employeeNumber, exitPermit, dependentIc;

  bool backOffice = false;  // "USER"/"BackOffice"
  std::string autoCreateFragment;
  std::string sfCustId;  // 207
  std::string dkNumber;  // 208
  bool billWithIndicator = false;
  bool billToCompanyEnabled = false;
  bool billToCompanyChecked = false;

  std::string ctp;  // 408
  AddressBlock delivery;
  AddressBlock billing;

  bool backOfficeContacts = false;       // "BackOfficeCTCB" is 1
  bool backOfficeFrequentFlyer = false;  // "BackOfficeFFP" is 1
  bool backOfficePassport = false;       // "BackOfficePSPT" is 1
  std::string frequentFlyerItems;        // TravelDocumentItems.h
  std::string travelDocumentItems;
};

// The command for the input. The passenger strings it is built from are those of
// buildPassengerStrings with the business phone and the fax number as the first profile
// traveller's contact phone and fax.
std::string buildFitCommand(const FitCommandInput& input);

}  // namespace fit
