#include "framework/services/CPnr.h"

#include <utility>

#include "desk/services/Sandbox.h"
#include "desk/state/DeskObserver.h"
#include "desk/state/OpenPnr.h"
#include "platform/text/TextRules.h"

namespace {
constexpr std::size_t kCallerBuffer = 1024;

std::string fit(std::string_view text) {
  return platform::limitToBuffer(text, kCallerBuffer);
}
}  // namespace

CPax::CPax(std::string nameNo, std::string surname, std::string givenName, bool infant,
           std::string email)
    : nameNo_(fit(nameNo)),
      surname_(fit(surname)),
      givenName_(fit(givenName)),
      infant_(infant),
      email_(fit(email)) {}

CEmail::CEmail(std::string address, std::string nameNo, std::string name, std::string remark)
    : address_(fit(address)), nameNo_(fit(nameNo)), name_(fit(name)), remark_(fit(remark)) {}

void CPnr::askForPAX() {
  if (desk::Sandbox* sandbox = desk::Sandbox::active()) {
    sandbox->recordRequest("askForPAX");
    return;
  }
  if (desk::DeskObserver* observer = desk::observer()) observer->onRequest("askForPAX");
}

void CPnr::retrievePAX(CPNRMaster& master) const {
  const desk::OpenPnr& pnr = desk::openPnr();
  master.passengers_.clear();
  master.emails_.clear();
  for (const desk::PnrPassenger& passenger : pnr.passengers) {
    master.passengers_.emplace_back(passenger.nameNumber, passenger.surname, passenger.givenName,
                                    passenger.infant, passenger.email);
  }
  for (const desk::PnrEmail& email : pnr.emails) {
    master.emails_.emplace_back(email.address, email.nameNumber, email.name, email.remark);
  }
  master.header_.setGITName(fit(pnr.groupName));
}
