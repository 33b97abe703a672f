#pragma once
// quillet serve [--port N] [--host ADDR] [--home DIR]: the web desk.

#include <string>
#include <vector>

namespace desk {

int runServeCommand(const std::vector<std::string>& arguments);

}  // namespace desk
