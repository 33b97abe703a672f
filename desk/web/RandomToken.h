#pragma once
// Names nobody can guess: the sign-in token, instance ids and document tokens of the web desk
// come from the operating system's random source, so that one name tells nothing of the next.

#include <cstddef>
#include <string>

namespace desk {

// bytes random bytes (at least 16: 128 bits) as lower-case hexadecimal digits. Throws
// std::system_error when the system gives no random bytes.
std::string randomToken(std::size_t bytes = 16);

}  // namespace desk
