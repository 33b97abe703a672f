#include "masks/lineitem/OpenPnrContacts.h"

#include "framework/services/CPnr.h"

namespace masks {

bool OpenPnrWait::onWindowMessage(UINT code, platform::Window* dialog) {
  if (code == platform::WM_SHOWWINDOW) onShow(dialog);
  return code == kGetPnrMessage;
}

void OpenPnrWait::onShow(platform::Window* dialog) {
  if (!firstShow_) return;
  firstShow_ = false;
  waiting_ = true;
  dialog->enable(false);
  CPnr pnr;
  pnr.setParent(dialog);
  pnr.askForPAX();
}

bool OpenPnrWait::onResponse(std::string_view reply, platform::Window* dialog) {
  if (!waiting_) return false;
  waiting_ = false;
  if (reply != "GETPNRINFO") return false;
  dialog->enable(true);
  return true;
}

OpenPnrContacts readOpenPnrContacts(platform::Window* parent) {
  CPnr pnr;
  pnr.setParent(parent);
  CPNRMaster master;
  pnr.retrievePAX(master);
  OpenPnrContacts contacts;
  for (const CPax& passenger : master.passengers()) {
    contacts.passengerLabels.push_back(passenger.getNameNo() + " - " + passenger.getsurname() +
                                       "/" + passenger.getgivenName());
  }
  for (const CEmail& email : master.emails()) {
    contacts.emails.push_back(
        {email.getAddress(), email.getNameNo(), email.getName(), email.getRemark()});
  }
  for (const CPax& passenger : master.passengers()) {
    if (passenger.getEmail().empty()) continue;
    contacts.emails.push_back({passenger.getEmail(), passenger.getNameNo(),
                               passenger.getsurname() + "/" + passenger.getgivenName(), ""});
  }
  return contacts;
}

std::string_view labelNameNumber(std::string_view label) {
  return label.substr(0, label.find(' '));
}

void fillPassengerList(platform::Window& list, const std::vector<std::string>& labels) {
  list.clearEntries();
  list.addEntry("", 0);
  for (std::size_t index = 0; index < labels.size(); ++index) {
    list.addEntry(labels[index], static_cast<std::intptr_t>(index + 1));
  }
  list.setCurrentEntry(0);
}

int passengerEntryOf(const std::vector<std::string>& labels, std::string_view nameNumber) {
  for (std::size_t index = 0; index < labels.size(); ++index) {
    if (labelNameNumber(labels[index]) == nameNumber) return static_cast<int>(index + 1);
  }
  return 0;
}

}  // namespace masks
