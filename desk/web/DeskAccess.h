#pragma once
// Who may use the desk: the sign-in token of this start, the names the desk answers to, and
// the screening every request passes before the desk reads its body. Nothing here touches a
// socket, so that any request head can be screened (and fuzzed) on its own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace desk {

class DeskAccess {
 public:
  // token: the sign-in token; boundHost and port: where the desk listens; allowedHosts: the
  // names a Host header may give when the desk listens elsewhere than on loopback (none: the
  // bound address).
  DeskAccess(std::string token, std::string boundHost, int port,
             std::vector<std::string> allowedHosts = {});

  const std::string& token() const { return token_; }
  // Whether a token is fit to be one (QUILLET_DESK_TOKEN): at least kShortestToken characters
  // that stand in an address and a cookie unescaped.
  static bool fitToken(std::string_view token);
  static constexpr std::size_t kShortestToken = 16;

  // Whether the host (a Host header's value, or an address) is loopback.
  static bool isLoopback(std::string_view host);
  // Whether a request's Host header names this desk; a page of another site that reaches the
  // desk through a name of its own (DNS rebinding) is refused.
  bool isOwnHost(std::string_view hostHeader) const;
  // Whether an Origin header is the desk's own page, reached through the host it names.
  bool isOwnOrigin(std::string_view origin, std::string_view hostHeader) const;
  // The token compared in a time that does not depend on where it differs.
  bool isToken(std::string_view candidate) const;
  // Signed in by the desk's cookie (a Cookie header's value) or Authorization: Bearer.
  bool signedIn(std::string_view cookies, std::string_view authorization) const;
  // The cookie's name carries the port: browsers share cookies across the ports of a host.
  std::string cookieName() const;
  std::string signInCookie() const;  // a Set-Cookie value
  // The address to print: http://HOST:PORT/?token=TOKEN (an IPv6 host in brackets).
  std::string signInAddress() const;

 private:
  std::string token_;
  std::string boundHost_;
  int port_;
  std::vector<std::string> allowedHosts_;
};

// The head of a request as the screening sees it.
struct RequestHead {
  std::string_view method;
  std::string_view target;
  std::optional<std::string_view> host;
  std::optional<std::string_view> origin;
  std::string_view cookies;
  std::string_view authorization;
  std::string_view contentType;
  std::optional<std::string_view> contentEncoding;
  std::optional<std::string_view> transferEncoding;
  bool websocket = false;  // an upgrade to a WebSocket
};

struct Screening {
  enum class Verdict { Pass, SignIn, Refuse };
  Verdict verdict = Verdict::Pass;
  int status = 200;
  std::string message;   // why it is refused
  std::string location;  // SignIn: the address to lead to, without the token
};

// Whether the desk serves a request, checked before its body is read: the Host (421), the
// sign-in (401, or a redirect that signs in), the method (405), the Origin of a change or a
// WebSocket (403), and a change's encodings and type (415).
Screening screenRequest(const RequestHead& head, const DeskAccess& access);

// Whether a Content-Type is JSON (application/json with optional parameters).
bool isJsonType(std::string_view contentType);

}  // namespace desk
