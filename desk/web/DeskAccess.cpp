#include "desk/web/DeskAccess.h"

#include <algorithm>
#include <cctype>

#include "desk/web/WebAddress.h"

namespace desk {

namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool sameSecret(std::string_view a, std::string_view b) {
  // Every byte of the longer one is looked at, whatever differs.
  const std::size_t length = std::max(a.size(), b.size());
  unsigned difference = a.size() == b.size() ? 0u : 1u;
  for (std::size_t at = 0; at < length; ++at) {
    const unsigned char x = at < a.size() ? static_cast<unsigned char>(a[at]) : 0;
    const unsigned char y = at < b.size() ? static_cast<unsigned char>(b[at]) : 0;
    difference |= static_cast<unsigned>(x ^ y);
  }
  return difference == 0;
}

// "NAME" or "NAME:PORT" with PORT digits: NAME, else nothing.
std::optional<std::string_view> hostName(std::string_view host) {
  if (host.empty()) return std::nullopt;
  std::string_view name = host;
  std::string_view port;
  if (host.front() == '[') {
    const auto close = host.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    name = host.substr(0, close + 1);
    const std::string_view rest = host.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
      if (port.empty()) return std::nullopt;
    }
  } else {
    const auto colon = host.find(':');
    if (colon != std::string_view::npos) {
      name = host.substr(0, colon);
      port = host.substr(colon + 1);
      if (port.empty()) return std::nullopt;
    }
  }
  if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  if (name.empty()) return std::nullopt;
  return name;
}

// An address in the form a Host header gives it (IPv6 in brackets), lower-case.
std::string asHostName(std::string_view address) {
  if (address.find(':') != std::string_view::npos && !address.starts_with("[")) {
    return "[" + lowered(address) + "]";
  }
  return lowered(address);
}

}  // namespace

DeskAccess::DeskAccess(std::string token, std::string boundHost, int port,
                       std::vector<std::string> allowedHosts)
    : token_(std::move(token)),
      boundHost_(std::move(boundHost)),
      port_(port),
      allowedHosts_(std::move(allowedHosts)) {
  if (allowedHosts_.empty()) allowedHosts_.push_back(boundHost_);
  for (std::string& name : allowedHosts_) name = asHostName(name);
}

bool DeskAccess::fitToken(std::string_view token) {
  return token.size() >= kShortestToken &&
         std::all_of(token.begin(), token.end(), [](unsigned char c) {
           return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~';
         });
}

bool DeskAccess::isLoopback(std::string_view host) {
  const std::string name = lowered(host);
  return name == "localhost" || name == "::1" || name == "[::1]" || name.starts_with("127.");
}

bool DeskAccess::isOwnHost(std::string_view hostHeader) const {
  const auto name = hostName(trimmed(hostHeader));
  if (!name) return false;
  const std::string wanted = lowered(*name);
  if (isLoopback(boundHost_)) {
    // Only the loopback names, on the desk's own port: another site's name that leads here
    // is refused.
    const std::string_view given = trimmed(hostHeader);
    const std::string port = std::to_string(port_);
    if (given.size() > name->size() && given.substr(name->size() + 1) != port) return false;
    return wanted == asHostName(boundHost_) || wanted == "localhost" || wanted == "[::1]" ||
           wanted == "127.0.0.1";
  }
  return std::find(allowedHosts_.begin(), allowedHosts_.end(), wanted) != allowedHosts_.end();
}

bool DeskAccess::isOwnOrigin(std::string_view origin, std::string_view hostHeader) const {
  const std::string given = lowered(trimmed(origin));
  const std::string host = lowered(trimmed(hostHeader));
  // Behind a reverse proxy that adds TLS the page's origin is https.
  return given == "http://" + host || given == "https://" + host;
}

bool DeskAccess::isToken(std::string_view candidate) const {
  return sameSecret(candidate, token_);
}

bool DeskAccess::signedIn(std::string_view cookies, std::string_view authorization) const {
  const std::string_view bearer = trimmed(authorization);
  if (bearer.size() > 7 && lowered(bearer.substr(0, 7)) == "bearer ") {
    if (isToken(trimmed(bearer.substr(7)))) return true;
  }
  const std::string name = cookieName();
  bool found = false;
  while (!cookies.empty()) {
    const auto end = cookies.find(';');
    const std::string_view pair = trimmed(cookies.substr(0, end));
    const auto equals = pair.find('=');
    if (equals != std::string_view::npos && trimmed(pair.substr(0, equals)) == name) {
      found = isToken(trimmed(pair.substr(equals + 1))) || found;
    }
    if (end == std::string_view::npos) break;
    cookies.remove_prefix(end + 1);
  }
  return found;
}

std::string DeskAccess::cookieName() const {
  return "quillet-desk-" + std::to_string(port_);
}

std::string DeskAccess::signInCookie() const {
  return cookieName() + "=" + token_ + "; HttpOnly; SameSite=Strict; Path=/";
}

std::string DeskAccess::signInAddress() const {
  return "http://" + asHostName(boundHost_) + ":" + std::to_string(port_) + "/?token=" + token_;
}

bool isJsonType(std::string_view contentType) {
  const std::string_view type = trimmed(contentType.substr(0, contentType.find(';')));
  return lowered(type) == "application/json";
}

Screening screenRequest(const RequestHead& head, const DeskAccess& access) {
  using Verdict = Screening::Verdict;
  const auto refuse = [](int status, std::string message) {
    return Screening{Verdict::Refuse, status, std::move(message), {}};
  };
  if (!head.host) return refuse(400, "The request names no host.");
  if (!access.isOwnHost(*head.host)) {
    return refuse(421, "This desk answers only to its own address.");
  }
  const WebAddress address = splitTarget(head.target);
  const bool safe = head.method == "GET" || head.method == "HEAD";
  if (const auto token = queryValue(address.query, "token")) {
    if (!access.isToken(*token)) return refuse(401, "The sign-in token is not this desk's.");
    // A visit signs the browser in; a change with the token is refused rather than led away.
    if (safe && !head.websocket) {
      return Screening{Verdict::SignIn, 303, {}, withoutQueryParameter(head.target, "token")};
    }
  } else if (!access.signedIn(head.cookies, head.authorization)) {
    return refuse(401,
                  "Sign in: open the address that quillet serve printed when it started (it "
                  "ends in ?token=...), or send Authorization: Bearer with that token.");
  }
  if (!safe && head.method != "POST") {
    return refuse(405, "The desk does not take this method.");
  }
  if (head.websocket || !safe) {
    // A page of another site may post here (and open WebSockets, which no browser keeps to
    // its own site), but it says where it comes from.
    const bool own = head.origin && access.isOwnOrigin(*head.origin, *head.host);
    if (head.origin ? !own : head.websocket) {
      return refuse(403, "The desk takes changes only from its own pages.");
    }
  }
  if (head.contentEncoding) return refuse(415, "The desk takes no encoded requests.");
  if (head.transferEncoding && lowered(trimmed(*head.transferEncoding)) != "chunked") {
    return refuse(415, "The desk takes no encoded requests.");
  }
  if (!safe && !isJsonType(head.contentType)) {
    return refuse(415, "The desk takes JSON requests only.");
  }
  return {};
}

}  // namespace desk
