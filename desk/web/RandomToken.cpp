#include "desk/web/RandomToken.h"

#include <sys/random.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace desk {

std::string randomToken(std::size_t bytes) {
  std::vector<unsigned char> random(bytes);
  for (std::size_t filled = 0; filled < bytes;) {
    const ssize_t got = getrandom(random.data() + filled, bytes - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw std::system_error(errno, std::generic_category(), "no random bytes from the system");
    }
    filled += static_cast<std::size_t>(got);
  }
  constexpr char kDigits[] = "0123456789abcdef";
  std::string token;
  token.reserve(2 * bytes);
  for (const unsigned char byte : random) {
    token.push_back(kDigits[byte >> 4]);
    token.push_back(kDigits[byte & 0xF]);
  }
  return token;
}

}  // namespace desk
