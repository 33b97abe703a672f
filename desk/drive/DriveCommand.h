#pragma once
// `quillet drive CLASS [--home DIR] [--script FILE]`: runs a drive script against one mask.

#include <string>
#include <vector>

namespace desk {

// Returns the exit status.
int runDriveCommand(const std::vector<std::string>& arguments);

}  // namespace desk
