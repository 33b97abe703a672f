// Host replies of any content, as each of their readers takes them: the booking data of
// "%%JX AIT", the agent data of the same reply, and the passenger list of "%%JX PAX". Any
// bytes read or give nothing; what is read keeps the limits the masks' buffers set.

#include <cstdlib>
#include <string>

#include "desk/state/AgentProfile.h"
#include "framework/services/CTorvanAgentInfo.h"
#include "masks/fit/BookingData.h"
#include "masks/fit/HostExchange.h"
#include "masks/passenger/PassengerReply.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);

  const fit::BookingData booking = fit::readBookingData(reply);
  check(booking.bookedAirlines.size() == booking.segmentsBeforeRemoval);
  check(booking.segments.size() <= booking.segmentsBeforeRemoval);
  if (booking.segmentRemoved()) check(!booking.cityPairs.empty());

  CTorvanAgentInfo info;
  for (bool yenAsHash : {false, true}) {
    desk::agentProfile().reset();
    bool complete = false;
    const int taken =
        info.setXMLResponseFromHostEx(fit::agentInformationText(reply, yenAsHash), &complete);
    check((taken != 0) == complete && complete == desk::agentProfile().has_value());
    std::string value;
    for (int (CTorvanAgentInfo::*getter)(std::string&, std::size_t) const :
         {&CTorvanAgentInfo::getAgencyName, &CTorvanAgentInfo::getAddr1,
          &CTorvanAgentInfo::getAddr2, &CTorvanAgentInfo::getAddr3, &CTorvanAgentInfo::getAddr4,
          &CTorvanAgentInfo::getAddr5}) {
      for (std::size_t buffer : {1024, 64, 1}) {
        check((info.*getter)(value, buffer) == (complete ? 1 : 0));
        check(value.size() < buffer);
      }
    }
  }

  for (const masks::PassengerRecord& passenger : masks::parsePassengerReply(reply)) {
    for (const std::string* text : {&passenger.nameNumber, &passenger.surname, &passenger.title,
                                    &passenger.givenName, &passenger.freeText}) {
      check(text->size() <= masks::kPassengerTextLimit);
    }
    check(passenger.surname.find(' ') == std::string::npos);
    check(passenger.givenName.find(' ') == std::string::npos);
  }
  const masks::GivenNameAndTitle split = masks::splitTitle(reply.substr(0, 4096));
  check(split.givenName.size() + split.title.size() <= std::min<std::size_t>(reply.size(), 4096));
  (void)masks::normaliseNameNumber(reply.substr(0, 4096));
  return 0;
}
