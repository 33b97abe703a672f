#pragma once
// The head of a request as Beast parsed it, in the form the desk screens (see DeskAccess):
// the one reading of the fields for the server and its fuzz target alike.

#include <optional>
#include <string>
#include <string_view>

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

#include "desk/web/DeskAccess.h"

namespace desk {

inline std::string_view beastView(boost::beast::string_view text) {
  return {text.data(), text.size()};
}

// The head views the request's fields, and cookies: every Cookie field joined, which the
// caller keeps as long as the head.
template <class Fields>
RequestHead requestHeadOf(const boost::beast::http::header<true, Fields>& request,
                          std::string& cookies) {
  namespace http = boost::beast::http;
  const auto optionalField = [&request](http::field name) -> std::optional<std::string_view> {
    const auto found = request.find(name);
    if (found == request.end()) return std::nullopt;
    return beastView(found->value());
  };
  cookies.clear();
  const auto [firstCookie, endCookies] = request.equal_range(http::field::cookie);
  for (auto field = firstCookie; field != endCookies; ++field) {
    if (!cookies.empty()) cookies += "; ";
    cookies.append(field->value().data(), field->value().size());
  }
  RequestHead head;
  head.method = beastView(request.method_string());
  head.target = beastView(request.target());
  head.host = optionalField(http::field::host);
  head.origin = optionalField(http::field::origin);
  head.cookies = cookies;
  head.authorization = beastView(request[http::field::authorization]);
  head.contentType = beastView(request[http::field::content_type]);
  head.contentEncoding = optionalField(http::field::content_encoding);
  head.transferEncoding = optionalField(http::field::transfer_encoding);
  head.websocket = boost::beast::websocket::is_upgrade(request);
  return head;
}

}  // namespace desk
