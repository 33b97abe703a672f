#include "desk/web/SecureRandom.h"

#include <sys/random.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace desk {

std::string randomHex(std::size_t bytes) {
  std::vector<unsigned char> random(bytes);
  std::size_t filled = 0;
  while (filled < bytes) {
    const ssize_t got = getrandom(random.data() + filled, bytes - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("the operating system gives no random bytes");
    }
    filled += static_cast<std::size_t>(got);
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * bytes);
  for (const unsigned char byte : random) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

}  // namespace desk
