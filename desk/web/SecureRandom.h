#pragma once
// Secrets the desk hands out (its sign-in token, names that must not be guessed), drawn from
// the operating system's random source.

#include <cstddef>
#include <string>

namespace desk {

// bytes random bytes as lower-case hex (twice as many characters). Throws std::runtime_error
// when the operating system gives no random bytes.
std::string randomHex(std::size_t bytes);

}  // namespace desk
