#pragma once
// The PNR open in the desktop, as the desktop's PNR classes give it to the masks: its
// passengers, its e-mail elements and its header. Texts are read as into a caller buffer of
// 1024 bytes: at most 1023 characters.

#include <string>
#include <vector>

namespace platform {
class Window;
}

class CPax {
 public:
  CPax(std::string nameNo, std::string surname, std::string givenName, bool infant,
       std::string email = {});
  std::string getNameNo() const { return nameNo_; }  // "1.1"
  std::string getsurname() const { return surname_; }
  std::string getgivenName() const { return givenName_; }
  // "Y" for a passenger with an infant, else "N".
  std::string getInfant() const { return infant_ ? "Y" : "N"; }
  // The passenger's own e-mail address; empty when the passenger has none.
  std::string getEmail() const { return email_; }

 private:
  std::string nameNo_;
  std::string surname_;
  std::string givenName_;
  bool infant_;
  std::string email_;
};

class CEmail {
 public:
  CEmail(std::string address, std::string nameNo, std::string name, std::string remark);
  std::string getAddress() const { return address_; }
  std::string getNameNo() const { return nameNo_; }
  std::string getName() const { return name_; }
  std::string getRemark() const { return remark_; }

 private:
  std::string address_;
  std::string nameNo_;
  std::string name_;
  std::string remark_;
};

class CPNRHeader {
 public:
  // Empty for an individual PNR.
  std::string getGITName() const { return groupName_; }
  void setGITName(std::string name) { groupName_ = std::move(name); }

 private:
  std::string groupName_;
};

class CPNRMaster {
 public:
  CPNRMaster() = default;
  virtual ~CPNRMaster() = default;

  const std::vector<CPax>& passengers() const { return passengers_; }
  const std::vector<CEmail>& emails() const { return emails_; }
  const CPNRHeader& header() const { return header_; }

 private:
  friend class CPnr;
  std::vector<CPax> passengers_;
  std::vector<CEmail> emails_;
  CPNRHeader header_;
};

class CPnr {
 public:
  void setParent(platform::Window* parent) { parent_ = parent; }
  // Asks the container for the current PNR's passengers; the container answers later with
  // SetResponse("GETPNRINFO").
  void askForPAX();
  // Fills master with the open PNR as the desktop holds it now, replacing what it held.
  void retrievePAX(CPNRMaster& master) const;

 private:
  platform::Window* parent_ = nullptr;
};
