#pragma once
// Where the desktop's main settings file "TorvanMain.ini" lies: beside the folder named by the
// whiteboard's "SYSTEM"/"Path", or in the current folder when that is empty.

#include <string>

namespace framework {

// The value and a backslash and "TorvanMain.ini", also when the value ends with a backslash.
std::string mainSettingsFile();

}  // namespace framework
