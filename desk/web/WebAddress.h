#pragma once
// The parts of a request's target (path and query) as the desk reads them. Everything here
// is data from the browser: a malformed escape reads as nothing, never as a guess.

#include <optional>
#include <string>
#include <string_view>

namespace desk {

struct WebAddress {
  std::string_view path;   // as sent, still escaped
  std::string_view query;  // without the '?'; empty when none
};
WebAddress splitTarget(std::string_view target);

// The text with its %XX escapes (and, in a query, '+' for a space) decoded; nothing when an
// escape is malformed or stands for a NUL.
std::optional<std::string> percentDecoded(std::string_view text, bool query = false);
// The decoded value of the first query parameter of that name; nothing when it is absent or
// malformed.
std::optional<std::string> queryValue(std::string_view query, std::string_view name);
// The target without every query parameter of that name (and without the '?' when no other
// parameter is left).
std::string withoutQueryParameter(std::string_view target, std::string_view name);

}  // namespace desk
