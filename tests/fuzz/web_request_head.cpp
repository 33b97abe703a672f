// A request as the web desk's server reads it: any bytes go through the HTTP parser with the
// server's limits, and a head it reads is screened (Host, sign-in, Origin, encodings); and any
// bytes read as a message of the page's WebSocket. Either gives a verdict or a refusal.

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <cstdint>
#include <string_view>

#include "desk/web/BeastRequestHead.h"
#include "desk/web/DeskAccess.h"
#include "desk/web/SocketMessages.h"
#include "desk/web/WebAddress.h"

namespace {

namespace beast = boost::beast;
namespace http = beast::http;

void screen(std::string_view bytes) {
  http::request_parser<http::string_body> parser;
  parser.header_limit(16 * 1024);
  parser.body_limit(64 * 1024);
  beast::error_code error;
  parser.put(boost::asio::buffer(bytes.data(), bytes.size()), error);
  if (!parser.is_header_done()) return;
  const auto& request = parser.get();
  static const desk::DeskAccess access("fuzz-token-0123456789", "127.0.0.1", 8080);
  std::string cookies;
  const desk::RequestHead head = desk::requestHeadOf(request, cookies);
  const desk::Screening screening = desk::screenRequest(head, access);
  if (screening.verdict == desk::Screening::Verdict::SignIn &&
      desk::queryValue(desk::splitTarget(screening.location).query, "token")) {
    __builtin_trap();  // the address it leads to must not carry the token on
  }
  (void)desk::percentDecoded(head.target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  screen(bytes);
  try {
    (void)desk::parseSocketMessage(bytes);
  } catch (const desk::WebRequestError&) {
  }
  return 0;
}
