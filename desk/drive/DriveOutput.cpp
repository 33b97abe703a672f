#include "desk/drive/DriveOutput.h"

namespace desk {

void DriveOutput::write(const JsonLine& line) {
  stream_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  stream_.flush();
}

}  // namespace desk
