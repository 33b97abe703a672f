#pragma once
// The PNR open in the desktop, as the desktop's PNR classes report it to the masks.

#include <string>
#include <vector>

namespace desk {

struct PnrPassenger {
  std::string nameNumber;  // "1.1"
  std::string surname;
  std::string givenName;
  bool infant = false;
  std::string email = {};  // the passenger's own e-mail address; empty when none
};

struct PnrEmail {
  std::string address;
  std::string nameNumber;
  std::string name;
  std::string remark;
};

struct OpenPnr {
  std::string groupName;  // empty for an individual PNR
  std::vector<PnrPassenger> passengers;
  std::vector<PnrEmail> emails;
};

// The process's open PNR; containers fill it, the PNR classes read it.
OpenPnr& openPnr();

}  // namespace desk
