// The bodies of the web desk's POST requests: any bytes read into a request or are refused with
// a request error, for every endpoint.

#include <cstdint>
#include <string_view>

#include "desk/web/WebRequests.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  try {
    (void)desk::parseDeskRequest(body);
  } catch (const desk::WebRequestError&) {
  }
  try {
    (void)desk::parseActionRequest(body);
  } catch (const desk::WebRequestError&) {
  }
  try {
    (void)desk::parseAnswerRequest(body);
  } catch (const desk::WebRequestError&) {
  }
  return 0;
}
